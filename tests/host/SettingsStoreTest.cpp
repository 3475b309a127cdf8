#include <gtest/gtest.h>

#include "contract/Services.h"

namespace cw::testing {
namespace {

struct SettingsStoreTest : ::testing::Test, Services<FakePlatform> {};

TEST_F(SettingsStoreTest, RefusedWritesLeaveNothingAndRaiseNothing) {
    SettingsStore& store = settings;
    const std::string key = "Software\\Microsoft\\ClearMem";
    registry.DenyWrites(kHkeyLocalMachine, key);
    store.SetSettingString(kHkeyLocalMachine, key, "ver", "6");
    store.SetSettingLong(kHkeyLocalMachine, key, "n", 1);
    EXPECT_EQ(store.GetOrSeedSettingString(kHkeyLocalMachine, key, "ver", "5"), "");
    EXPECT_TRUE(!registry.HasValue(kHkeyLocalMachine, key, "ver") && errors.reports.empty());
}

}  // namespace
}  // namespace cw::testing
