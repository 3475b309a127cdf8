#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "fakes/RecordingErrorSink.h"
#include "settings/SettingsStore.h"

namespace cw {
namespace {

TEST(SettingsStoreTest, RefusedWritesLeaveNothingAndRaiseNothing) {
    fakes::FakeRegistry registry;
    fakes::RecordingErrorSink errors;
    SettingsStore store(registry, &errors);
    const std::string key = "Software\\Microsoft\\ClearMem";
    registry.DenyWrites(kHkeyLocalMachine, key);
    store.SetSettingString(kHkeyLocalMachine, key, "ver", "6");
    store.SetSettingLong(kHkeyLocalMachine, key, "n", 1);
    EXPECT_FALSE(registry.HasValue(kHkeyLocalMachine, key, "ver"));
    EXPECT_EQ(store.GetOrSeedSettingString(kHkeyLocalMachine, key, "ver", "5"), "");
    EXPECT_FALSE(registry.HasValue(kHkeyLocalMachine, key, "ver"));
    EXPECT_TRUE(errors.reports.empty());
}

}  // namespace
}  // namespace cw
