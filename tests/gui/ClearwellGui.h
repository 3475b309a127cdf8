#pragma once
// The fixture of the GUI tests: Clearwell.exe started from C:\cwtest with no settings of its
// own, its main window, its pages and other windows, and the user's way out.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/ControlIds.h"
#include "app/MainControls.h"
#include "app/MainView.h"
#include "driver/GuiDriver.h"
#include "platform/win32/Win32Registry.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/TestWorld.h"

namespace cw::gui {

namespace m = ids::frmMain;
using testing::PathExists;
using testing::WriteFile;

inline constexpr char kExitQuestion[] = "Are you sure you want to exit this program?";

class ClearwellGui : public ::testing::Test {
  protected:
    // Every test starts without stored settings; tests that store some do so before Start.
    void SetUp() override {
        testing::DeleteKeyTree(settings::kSettingsRoot, settings::kSettingsKey);
    }
    void TearDown() override {
        if (!app_ || !app_->Running()) return;
        try {
            Close();
        } catch (const DriverError&) {
        }
    }

    void Start(const std::string& exe = "Clearwell.exe") {
        app_ = std::make_unique<Process>(Process::Start(exe));
        window_ =
            std::make_unique<Window>(app_->WaitForWindow(kMainWindowClass, kMainCaption), *app_);
    }
    // The user's way out: the close box (or File > Exit), then Yes; the program ends.
    void Close(bool fromMenu = false) {
        fromMenu ? W().Command(m::mExit) : W().Post(WM_CLOSE);
        Answer(WaitForMessageBox(App(), kExitQuestion), IDYES);
        EXPECT_EQ(App().WaitForExit(10000), 0) << "Clearwell did not end after Yes";
    }
    Window& W() { return *window_; }
    Process& App() { return *app_; }

    // The page in front, or -1 for none and -2 for several.
    int VisiblePage() {
        int shown = -1;
        for (int i = 0; i < kPageCount; ++i) {
            if (W().ControlVisible(m::fraMain(i))) shown = shown >= 0 ? -2 : i;
        }
        return shown;
    }
    // Clicks the page's toolbar button and waits until the page alone is in front.
    void ShowPage(int page, DWORD timeoutMs = kDefaultWaitMs) {
        W().ClickToolbarButton(m::tlbMain, page + 1);
        WaitUntil([&] { return VisiblePage() == page; },
                  "page " + std::to_string(page) + " in front", timeoutMs);
    }
    // Opens another window from a menu item of the main window.
    Window Open(int menuItem, const char* className, const char* caption) {
        W().Command(menuItem);
        return Window(App().WaitForWindow(className, caption, 10000), App());
    }
    Window UpdateWindow() { return Open(m::mCheckUpgrades, "ClearwellAutoUpdate", "AutoUpdate"); }

    void StoreSetting(const std::string& name, const std::string& value) {
        store_.SetSettingString(settings::kSettingsRoot, settings::kSettingsKey, name, value);
    }
    std::string Read(RootKey root, const std::string& key, const std::string& name) {
        return store_.GetSettingString(root, key, name, "<none>");
    }
    std::string Setting(const std::string& name) {
        return Read(settings::kSettingsRoot, settings::kSettingsKey, name);
    }

    win32::Win32Registry registry_;
    SettingsStore store_{registry_};
    std::unique_ptr<Process> app_;
    std::unique_ptr<Window> window_;
};

}  // namespace cw::gui
