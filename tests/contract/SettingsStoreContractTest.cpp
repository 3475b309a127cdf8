#include <gtest/gtest.h>

#include "contract/ContractWorld.h"
#include "fakes/RecordingErrorSink.h"
#include "settings/SettingsStore.h"

// The settings store on the fake registry and on the real one under Wine, in scratch keys.

namespace cw::contract {
namespace {

class SettingsStoreContractTest : public ContractTest {
  protected:
    void Raw(const std::string& name, const RegValue& value) {
        world.registry().SetValue(kHkeyCurrentUser, kKey, name, value);
    }

    std::string kKey = world.Key("settings");
    fakes::RecordingErrorSink errors_;
    SettingsStore store_{world.registry(), &errors_};
};

TEST_F(SettingsStoreContractTest, TextIsWrittenWithoutItsZeroAndReadBackWhole) {
    store_.SetSettingString(kHkeyCurrentUser, kKey, "ShredFolder", "C:\\x");
    EXPECT_EQ(store_.GetSettingString(kHkeyCurrentUser, kKey, "ShredFolder"), "C:\\x");
    store_.SetSettingString(kHkeyCurrentUser, kKey, "RunOnExit", "");
    RegValue raw;
    EXPECT_EQ(world.registry().QueryValue(kHkeyCurrentUser, kKey, "RunOnExit", raw), 0);
    EXPECT_EQ(store_.GetSettingString(kHkeyCurrentUser, kKey, "RunOnExit", "False"), "");
    // Stored by another writer with its zero and trailing garbage after it.
    Raw("x", RegValue{kRegSz, std::string("ab\0cd", 5)});
    EXPECT_EQ(store_.GetSettingString(kHkeyCurrentUser, kKey, "x"), "ab");
}

TEST_F(SettingsStoreContractTest, ReadsOfTheWrongTypeGiveTheDefault) {
    Raw("expand", RegValue{kRegExpandSz, "%TEMP%"});
    Raw("five", RegValue{kRegSz, "5"});
    Raw("long", RegValue{kRegDword, std::string(8, '\1')});
    EXPECT_EQ(store_.GetSettingString(kHkeyCurrentUser, kKey, "expand", "def"), "def");
    EXPECT_EQ(store_.GetSettingLong(kHkeyCurrentUser, kKey, "five", 7), 7);
    EXPECT_EQ(store_.GetSettingLong(kHkeyCurrentUser, kKey, "long", 7), 7);
    EXPECT_EQ(store_.GetSettingString(kHkeyCurrentUser, kKey + "\\Nowhere", "x", "d"), "d");
    store_.SetSettingLong(kHkeyCurrentUser, kKey, "n", -2);
    EXPECT_EQ(store_.GetSettingLong(kHkeyCurrentUser, kKey, "n"), -2);
    EXPECT_TRUE(errors_.reports.empty());
}

TEST_F(SettingsStoreContractTest, SeedingDeletingAndTheApplicationSettingsArea) {
    // Seeding writes once and gives empty the first time.
    EXPECT_EQ(store_.GetOrSeedSettingString(kHkeyCurrentUser, kKey + "\\M", "ver", "5"), "");
    EXPECT_EQ(store_.GetOrSeedSettingString(kHkeyCurrentUser, kKey + "\\M", "ver", "9"), "5");
    EXPECT_EQ(store_.GetSettingString(kHkeyCurrentUser, kKey + "\\M", "ver"), "5");
    store_.SetSettingString(kHkeyCurrentUser, kKey, "a", "1");
    store_.DeleteSettingValue(kHkeyCurrentUser, kKey, "a");
    EXPECT_EQ(store_.GetSettingString(kHkeyCurrentUser, kKey, "a", "gone"), "gone");
    store_.DeleteSettingValue(kHkeyCurrentUser, kKey + "\\Nowhere", "a");  // harmless
    const std::string area = "Software\\VB and VBA Program Settings\\ClearwellTest\\Install";
    EXPECT_EQ(store_.GetAppSetting("ClearwellTest", "Install", "RunOnExit", "False"), "False");
    store_.SetSettingString(kHkeyCurrentUser, area, "RunOnExit", "True");
    EXPECT_EQ(store_.GetAppSetting("ClearwellTest", "Install", "RunOnExit", "False"), "True");
    store_.DeleteSettingValue(kHkeyCurrentUser, area, "RunOnExit");
}

}  // namespace
}  // namespace cw::contract
