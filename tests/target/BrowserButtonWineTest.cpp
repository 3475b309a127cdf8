// The browser toolbar button against the real machine key, and its picture beside the
// executable.

#include <gtest/gtest.h>
#include <windows.h>

#include "browser/BrowserButton.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "settings/SettingNames.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

TEST(BrowserButtonWineTest, AddWritesEightValuesTwiceTheSameAndRemoveDeletesTheKey) {
    win32::Win32Registry registry;
    SettingsStore settings{registry};
    win32::Win32ShellExecute shell;
    BrowserButtonControls c;
    BrowserButton button{c, settings, shell, "Clearwell v2.10"};
    DeleteKeyTree(kHkeyLocalMachine, settings::kBrowserButtonKey);

    c.mAddMSIE.Click();
    std::string module = shell.ModulePath();  // C:\cwtest\target_tests.exe
    std::string folder = module.substr(0, module.rfind('\\'));
    const std::pair<std::string, std::string> expected[] = {
        {"ButtonText", "Clearwell v2.10"},    {"CLSID", "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}"},
        {"Default Visible", "Yes"},           {"Exec", folder + "\\target_tests"},
        {"HotIcon", folder + "\\icon.ico"},   {"Icon", folder + "\\icon.ico"},
        {"MenuStatusBar", "Clearwell v2.10"}, {"MenuText", "Clearwell v2.10"},
    };
    auto readBack = [&] {
        std::vector<std::string> names;
        registry.EnumValueNames(kHkeyLocalMachine, settings::kBrowserButtonKey, names);
        EXPECT_EQ(names.size(), 8u);
        for (const auto& [name, data] : expected) {
            RegValue v;
            EXPECT_EQ(registry.QueryValue(kHkeyLocalMachine, settings::kBrowserButtonKey, name, v),
                      0)
                << name;
            EXPECT_EQ(v.type, kRegSz) << name;
            EXPECT_EQ(TextUpToZero(v.data), data) << name;
        }
        std::vector<std::string> subkeys;
        registry.EnumSubkeys(kHkeyLocalMachine, settings::kBrowserButtonKey, subkeys);
        EXPECT_TRUE(subkeys.empty());
    };
    readBack();
    EXPECT_FALSE(c.mAddMSIE.Enabled());
    EXPECT_TRUE(c.mDeleteMSIE.Enabled());

    button.AddBrowserButton();
    readBack();

    c.mDeleteMSIE.Click();
    EXPECT_FALSE(registry.KeyExists(kHkeyLocalMachine, settings::kBrowserButtonKey));
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer"));
    EXPECT_TRUE(c.mAddMSIE.Enabled());
    EXPECT_FALSE(c.mDeleteMSIE.Enabled());
}

// The build ships "icon.ico" beside the executables; the button shows it at 16 and 20
// pixels (hot and normal) and the Tools menu at 16, so the sizes must load.
TEST(BrowserButtonWineTest, IconBesideTheExecutableLoads) {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path(module);
    path = path.substr(0, path.rfind('\\')) + "\\icon.ico";
    ASSERT_TRUE(PathExists(path)) << path;
    for (int size : {16, 20, 32}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
        EXPECT_NE(icon, nullptr) << size;
        ICONINFO info = {};
        if (icon && GetIconInfo(icon, &info)) {
            BITMAP bm = {};
            GetObjectA(info.hbmColor, sizeof bm, &bm);
            EXPECT_EQ(bm.bmWidth, size);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
        if (icon) DestroyIcon(icon);
    }
}

}  // namespace
}  // namespace cw::testing
