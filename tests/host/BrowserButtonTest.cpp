// The browser toolbar button: the extension key's eight values, in order, and the two
// buttons' states whatever the registry does.

#include "browser/BrowserButton.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "settings/SettingNames.h"

namespace cw {
namespace {

class BrowserButtonTest : public ::testing::Test {
  protected:
    BrowserButtonTest() { shell.modulePath = "C:\\Program Files\\Clear Well\\Clearwell.exe"; }

    fakes::FakeRegistry registry;
    SettingsStore settings{registry};
    fakes::FakeShell shell;
    BrowserButtonControls c;
    BrowserButton button{c, settings, shell, "Clearwell v2.10"};
};

TEST_F(BrowserButtonTest, AddWritesTheEightValuesInOrderAndTwiceChangesNothingMore) {
    c.mAddMSIE.Click();
    std::vector<std::string> names;
    ASSERT_EQ(registry.EnumValueNames(kHkeyLocalMachine, settings::kBrowserButtonKey, names), 0);
    EXPECT_EQ(names, (std::vector<std::string>{"ButtonText", "CLSID", "Default Visible", "Exec",
                                               "HotIcon", "Icon", "MenuStatusBar", "MenuText"}));
    const std::pair<const char*, const char*> expected[] = {
        {"ButtonText", "Clearwell v2.10"},
        {"CLSID", "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}"},
        {"Default Visible", "Yes"},
        {"Exec", "C:\\Program Files\\Clear Well\\Clearwell"},
        {"HotIcon", "C:\\Program Files\\Clear Well\\icon.ico"},
        {"Icon", "C:\\Program Files\\Clear Well\\icon.ico"},
        {"MenuStatusBar", "Clearwell v2.10"},
        {"MenuText", "Clearwell v2.10"},
    };
    for (const auto& [name, data] : expected) {
        RegValue v;
        ASSERT_EQ(registry.QueryValue(kHkeyLocalMachine, settings::kBrowserButtonKey, name, v), 0);
        EXPECT_EQ(v.type, kRegSz) << name;
        EXPECT_EQ(TextUpToZero(v.data), data) << name;
    }
    EXPECT_FALSE(c.mAddMSIE.Enabled());
    EXPECT_TRUE(c.mDeleteMSIE.Enabled());

    auto once = registry.Dump();
    button.AddBrowserButton();
    EXPECT_EQ(registry.Dump(), once);
}

TEST_F(BrowserButtonTest, RemoveDeletesTheKeyAndLeavesEverythingElse) {
    registry.SetString(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer\\Extensions",
                       "other", "x");
    auto before = registry.Dump();
    c.mAddMSIE.Click();
    c.mDeleteMSIE.Click();
    EXPECT_FALSE(registry.KeyExists(kHkeyLocalMachine, settings::kBrowserButtonKey));
    EXPECT_EQ(registry.Dump(), before);
    EXPECT_TRUE(c.mAddMSIE.Enabled());
    EXPECT_FALSE(c.mDeleteMSIE.Enabled());

    c.mDeleteMSIE.Click();  // without a previous Add
    EXPECT_EQ(registry.Dump(), before);
}

TEST_F(BrowserButtonTest, ButtonsSwapEvenWhenTheMachineKeyRefusesWrites) {
    registry.DenyWrites(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer");
    auto before = registry.Dump();
    c.mAddMSIE.Click();
    EXPECT_EQ(registry.Dump(), before);
    EXPECT_FALSE(c.mAddMSIE.Enabled());
    EXPECT_TRUE(c.mDeleteMSIE.Enabled());
    c.mDeleteMSIE.Click();
    EXPECT_TRUE(c.mAddMSIE.Enabled());
    EXPECT_FALSE(c.mDeleteMSIE.Enabled());
}

}  // namespace
}  // namespace cw
