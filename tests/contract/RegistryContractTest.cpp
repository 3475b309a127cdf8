// The Registry interface as the program relies on it, for the fake and for the real registry.

#include <gtest/gtest.h>

#include <algorithm>

#include "contract/ContractWorld.h"
#include "settings/SettingsStore.h"

namespace cw::contract {
namespace {

class RegistryContractTest : public ::testing::Test {
  protected:
    std::unique_ptr<RegistryWorld> world_ = MakeRegistryWorld();
    Registry& reg_ = world_->registry();
};

TEST_F(RegistryContractTest, TextValuesReadBackWholeWithOrWithoutTheirZero) {
    std::string key = world_->Key("text");
    ASSERT_EQ(reg_.SetValue(kHkeyCurrentUser, key, "bare", RegValue{kRegSz, "xy"}), 0);
    ASSERT_EQ(
        reg_.SetValue(kHkeyCurrentUser, key, "zero", RegValue{kRegSz, std::string("xy\0", 3)}), 0);
    ASSERT_EQ(reg_.SetValue(kHkeyCurrentUser, key, "empty", RegValue{kRegSz, ""}), 0);
    for (const char* name : {"bare", "zero"}) {
        RegValue v;
        ASSERT_EQ(reg_.QueryValue(kHkeyCurrentUser, key, name, v), 0) << name;
        EXPECT_EQ(v.type, kRegSz);
        EXPECT_EQ(TextUpToZero(v.data), "xy") << name;
    }
    RegValue empty;
    ASSERT_EQ(reg_.QueryValue(kHkeyCurrentUser, key, "EMPTY", empty), 0) << "names ignore case";
    EXPECT_EQ(TextUpToZero(empty.data), "");
}

TEST_F(RegistryContractTest, ValuesOfAnyTypeAndSizeRoundTrip) {
    std::string key = world_->Key("types");
    std::string big(100000, '\x7f');
    ASSERT_EQ(reg_.SetValue(kHkeyCurrentUser, key, "dword",
                            RegValue{kRegDword, std::string("\x05\0\0\0", 4)}),
              0);
    ASSERT_EQ(reg_.SetValue(kHkeyCurrentUser, key, "big", RegValue{kRegBinary, big}), 0);
    ASSERT_EQ(reg_.SetValue(kHkeyCurrentUser, key, "expand", RegValue{kRegExpandSz, "%TEMP%"}), 0);
    RegValue v;
    ASSERT_EQ(reg_.QueryValue(kHkeyCurrentUser, key, "dword", v), 0);
    EXPECT_EQ(v.type, kRegDword);
    EXPECT_EQ(v.data, std::string("\x05\0\0\0", 4));
    ASSERT_EQ(reg_.QueryValue(kHkeyCurrentUser, key, "big", v), 0);
    EXPECT_EQ(v.data, big);
    ASSERT_EQ(reg_.QueryValue(kHkeyCurrentUser, key, "expand", v), 0);
    EXPECT_EQ(v.type, kRegExpandSz);
    EXPECT_EQ(reg_.QueryValue(kHkeyCurrentUser, key, "missing", v), kErrorFileNotFound);
    EXPECT_EQ(reg_.QueryValue(kHkeyCurrentUser, key + "\\nokey", "x", v), kErrorFileNotFound);
}

TEST_F(RegistryContractTest, KeysAreCreatedWithParentsAndDeletedOnlyWhenEmptyOfSubkeys) {
    std::string key = world_->Key("keys");
    ASSERT_EQ(reg_.SetValue(kHkeyCurrentUser, key + "\\a\\b", "v", RegValue{kRegSz, "1"}), 0);
    EXPECT_TRUE(reg_.KeyExists(kHkeyCurrentUser, key + "\\A"));
    EXPECT_NE(reg_.DeleteKey(kHkeyCurrentUser, key + "\\a"), 0) << "a key with subkeys stays";
    EXPECT_TRUE(reg_.KeyExists(kHkeyCurrentUser, key + "\\a\\b"));
    EXPECT_EQ(reg_.DeleteKey(kHkeyCurrentUser, key + "\\a\\b"), 0) << "values do not hold a key";
    EXPECT_EQ(reg_.DeleteKey(kHkeyCurrentUser, key + "\\a"), 0);
    EXPECT_FALSE(reg_.KeyExists(kHkeyCurrentUser, key + "\\a"));
    EXPECT_EQ(reg_.DeleteKey(kHkeyCurrentUser, key + "\\a"), kErrorFileNotFound);
}

TEST_F(RegistryContractTest, DeletingValuesAndListingAKey) {
    std::string key = world_->Key("list");
    for (const char* name : {"one", "two", "three"}) {
        reg_.SetValue(kHkeyCurrentUser, key, name, RegValue{kRegSz, name});
    }
    reg_.CreateKey(kHkeyCurrentUser, key + "\\sub");
    EXPECT_EQ(reg_.DeleteValue(kHkeyCurrentUser, key, "TWO"), 0);
    EXPECT_EQ(reg_.DeleteValue(kHkeyCurrentUser, key, "two"), kErrorFileNotFound);
    std::vector<std::string> names;
    ASSERT_EQ(reg_.EnumValueNames(kHkeyCurrentUser, key, names), 0);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"one", "three"}));
    ASSERT_EQ(reg_.EnumSubkeys(kHkeyCurrentUser, key, names), 0);
    EXPECT_EQ(names, std::vector<std::string>{"sub"});
}

}  // namespace
}  // namespace cw::contract
