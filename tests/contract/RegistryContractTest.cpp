// The Registry interface as the program relies on it, for the fake and for the real registry.

#include <gtest/gtest.h>

#include <algorithm>

#include "contract/ContractWorld.h"
#include "settings/SettingsStore.h"

namespace cw::contract {
namespace {

class RegistryContractTest : public ContractTest {
  protected:
    long Set(const std::string& name, std::uint32_t type, const std::string& data) {
        return reg_.SetValue(kHkeyCurrentUser, key_, name, RegValue{type, data});
    }
    RegValue Get(const std::string& name) {
        RegValue v;
        EXPECT_EQ(reg_.QueryValue(kHkeyCurrentUser, key_, name, v), 0) << name;
        return v;
    }

    Registry& reg_ = world.registry();
    const std::string key_ = world.Key("registry");
};

TEST_F(RegistryContractTest, ValuesOfAnyTypeAndSizeRoundTripAndTextReadsUpToItsZero) {
    const std::string big(100000, '\x7f'), dword("\x05\0\0\0", 4);
    ASSERT_EQ(Set("bare", kRegSz, "xy"), 0);
    ASSERT_EQ(Set("zero", kRegSz, std::string("xy\0", 3)), 0);
    ASSERT_EQ(Set("empty", kRegSz, ""), 0);
    ASSERT_EQ(Set("dword", kRegDword, dword), 0);
    ASSERT_EQ(Set("big", kRegBinary, big), 0);
    ASSERT_EQ(Set("expand", kRegExpandSz, "%TEMP%"), 0);
    for (const char* name : {"bare", "zero"}) {
        EXPECT_EQ(Get(name).type, kRegSz);
        EXPECT_EQ(TextUpToZero(Get(name).data), "xy") << name;
    }
    EXPECT_EQ(TextUpToZero(Get("EMPTY").data), "") << "names ignore case";
    EXPECT_EQ(Get("dword").type, kRegDword);
    EXPECT_EQ(Get("dword").data, dword);
    EXPECT_EQ(Get("big").data, big);
    EXPECT_EQ(Get("expand").type, kRegExpandSz);
    RegValue v;
    EXPECT_EQ(reg_.QueryValue(kHkeyCurrentUser, key_, "missing", v), kErrorFileNotFound);
    EXPECT_EQ(reg_.QueryValue(kHkeyCurrentUser, key_ + "\\nokey", "x", v), kErrorFileNotFound);
}

TEST_F(RegistryContractTest, KeysAreCreatedWithParentsAndDeletedOnlyWhenEmptyOfSubkeys) {
    ASSERT_EQ(reg_.SetValue(kHkeyCurrentUser, key_ + "\\a\\b", "v", RegValue{kRegSz, "1"}), 0);
    EXPECT_TRUE(reg_.KeyExists(kHkeyCurrentUser, key_ + "\\A"));
    EXPECT_NE(reg_.DeleteKey(kHkeyCurrentUser, key_ + "\\a"), 0) << "a key with subkeys stays";
    EXPECT_TRUE(reg_.KeyExists(kHkeyCurrentUser, key_ + "\\a\\b"));
    EXPECT_EQ(reg_.DeleteKey(kHkeyCurrentUser, key_ + "\\a\\b"), 0) << "values do not hold a key";
    EXPECT_EQ(reg_.DeleteKey(kHkeyCurrentUser, key_ + "\\a"), 0);
    EXPECT_FALSE(reg_.KeyExists(kHkeyCurrentUser, key_ + "\\a"));
    EXPECT_EQ(reg_.DeleteKey(kHkeyCurrentUser, key_ + "\\a"), kErrorFileNotFound);
}

TEST_F(RegistryContractTest, DeletingValuesAndListingAKey) {
    for (const char* name : {"one", "two", "three"})
        Set(name, kRegSz, name);
    reg_.CreateKey(kHkeyCurrentUser, key_ + "\\sub");
    EXPECT_EQ(reg_.DeleteValue(kHkeyCurrentUser, key_, "TWO"), 0);
    EXPECT_EQ(reg_.DeleteValue(kHkeyCurrentUser, key_, "two"), kErrorFileNotFound);
    std::vector<std::string> names;
    ASSERT_EQ(reg_.EnumValueNames(kHkeyCurrentUser, key_, names), 0);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"one", "three"}));
    ASSERT_EQ(reg_.EnumSubkeys(kHkeyCurrentUser, key_, names), 0);
    EXPECT_EQ(names, std::vector<std::string>{"sub"});
}

}  // namespace
}  // namespace cw::contract
