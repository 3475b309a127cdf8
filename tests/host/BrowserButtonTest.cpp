// The browser toolbar button on the fake registry: Remove takes only its own key, and the two
// menu items swap only when the registry took the change; a refusal is said in a message. (The
// eight values, read back from the real registry, are in the target BrowserButtonWineTest.)

#include "browser/BrowserButton.h"

#include <gtest/gtest.h>

#include "fakes/FakeDialogs.h"
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
    fakes::FakeDialogs dialogs;
    BrowserButtonControls c;
    BrowserButton button{c, settings, shell, dialogs, "Clearwell v2.10"};
};

TEST_F(BrowserButtonTest, RemoveDeletesTheKeyAndLeavesEverythingElse) {
    registry.SetString(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer\\Extensions",
                       "other", "x");
    auto before = registry.Dump();
    c.mAddMSIE.Click();
    RegValue text;  // Internet Explorer reads the values with their terminating zero
    registry.QueryValue(kHkeyLocalMachine, settings::kBrowserButtonKey, "MenuText", text);
    EXPECT_EQ(text.data, std::string("Clearwell v2.10") + '\0');
    c.mDeleteMSIE.Click();
    EXPECT_FALSE(registry.KeyExists(kHkeyLocalMachine, settings::kBrowserButtonKey));
    EXPECT_EQ(registry.Dump(), before);
    EXPECT_TRUE(c.mAddMSIE.Enabled());
    EXPECT_FALSE(c.mDeleteMSIE.Enabled());

    c.mDeleteMSIE.Click();  // without a previous Add
    EXPECT_EQ(registry.Dump(), before);
}

TEST_F(BrowserButtonTest, ARefusedWriteIsSaidAndTheButtonsStayAsTheyWere) {
    EXPECT_TRUE(dialogs.shown.empty()) << "Add and Remove that worked showed nothing";
    registry.DenyWrites(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer");
    auto before = registry.Dump();
    c.mAddMSIE.Click();
    EXPECT_EQ(registry.Dump(), before);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, kButtonNotAdded);
    EXPECT_TRUE(c.mAddMSIE.Enabled());
    EXPECT_TRUE(c.mDeleteMSIE.Enabled()) << "as at start";

    registry.DenyWrites(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer", false);
    c.mAddMSIE.Click();
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, settings::kBrowserButtonKey));
    EXPECT_FALSE(c.mAddMSIE.Enabled());
    registry.DenyWrites(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer");
    c.mDeleteMSIE.Click();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].prompt, kButtonNotRemoved);
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, settings::kBrowserButtonKey));
    EXPECT_FALSE(c.mAddMSIE.Enabled());
    EXPECT_TRUE(c.mDeleteMSIE.Enabled());
}

}  // namespace
}  // namespace cw
