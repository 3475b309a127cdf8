// The browser toolbar button on the fake registry, refusals included.

#include "browser/BrowserButton.h"

#include <gtest/gtest.h>

#include "contract/Services.h"
#include "fakes/FakeShell.h"
#include "settings/SettingNames.h"

namespace cw::testing {
namespace {

class BrowserButtonTest : public ::testing::Test, public Services<FakePlatform> {
  protected:
    BrowserButtonTest() { shell.modulePath = "C:\\Program Files\\Clear Well\\Clearwell.exe"; }

    fakes::FakeShell shell;
    BrowserButtonControls c;
    BrowserButton button{c, settings, shell, dialogs, "Clearwell v2.10"};
};

TEST_F(BrowserButtonTest, RemoveDeletesTheKeyAndLeavesEverythingElse) {
    registry.SetString(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer\\Extensions",
                       "other", "x");
    auto before = registry.Dump();
    c.mAddMSIE.Click();
    const std::string folder = "C:\\Program Files\\Clear Well\\";
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"ButtonText", "Clearwell v2.10"},    {"CLSID", "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}"},
        {"Default Visible", "Yes"},           {"Exec", folder + "Clearwell"},
        {"HotIcon", folder + "icon.ico"},     {"Icon", folder + "icon.ico"},
        {"MenuStatusBar", "Clearwell v2.10"}, {"MenuText", "Clearwell v2.10"}};
    std::vector<std::string> names;
    registry.EnumValueNames(kHkeyLocalMachine, settings::kBrowserButtonKey, names);
    EXPECT_EQ(names.size(), expected.size());
    for (const auto& [name, value] : expected) {
        RegValue v;  // Internet Explorer reads the values with their terminating zero
        registry.QueryValue(kHkeyLocalMachine, settings::kBrowserButtonKey, name, v);
        EXPECT_EQ(std::tuple(v.type, v.data), std::tuple(kRegSz, value + '\0')) << name;
    }
    auto added = registry.Dump();
    button.AddBrowserButton();
    EXPECT_EQ(registry.Dump(), added) << "a second Add writes the same";
    c.mDeleteMSIE.Click();
    EXPECT_EQ(registry.Dump(), before);

    c.mDeleteMSIE.Click();  // without a previous Add
    EXPECT_EQ(registry.Dump(), before);
    EXPECT_TRUE(dialogs.shown.empty()) << "Add and Remove that worked showed nothing";
}

TEST_F(BrowserButtonTest, ARefusedWriteIsSaidAndTheButtonsStayAsTheyWere) {
    registry.DenyWrites(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer");
    auto before = registry.Dump();
    c.mAddMSIE.Click();
    EXPECT_EQ(registry.Dump(), before);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, kButtonNotAdded);
    EXPECT_TRUE(c.mAddMSIE.Enabled() && c.mDeleteMSIE.Enabled()) << "as at start";

    registry.DenyWrites(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer", false);
    c.mAddMSIE.Click();
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, settings::kBrowserButtonKey));
    EXPECT_FALSE(c.mAddMSIE.Enabled());
    registry.DenyWrites(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer");
    c.mDeleteMSIE.Click();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].prompt, kButtonNotRemoved);
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, settings::kBrowserButtonKey));
    EXPECT_TRUE(!c.mAddMSIE.Enabled() && c.mDeleteMSIE.Enabled());
}

}  // namespace
}  // namespace cw::testing
