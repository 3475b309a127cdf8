#pragma once
// The main window frmMain: its controls, start-up, page switching, tray and hotkeys, and
// the two ways it closes. Plain C++: the Win32 view (app/win32) shows it and forwards the
// window's events; tests drive it with fakes.

#include <cstdint>
#include <string>

#include "app/MainControls.h"
#include "app/MainFeatures.h"
#include "app/MainView.h"
#include "app/OtherWindows.h"
#include "app/Services.h"
#include "app/TrayIcon.h"
#include "browser/BrowserWindowHider.h"
#include "clean/PanicHost.h"

namespace cw {

class ErrorTrap;

class MainWindow : public PanicHost {
  public:
    explicit MainWindow(Services& services);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    MainControls& Controls() { return c_; }
    MainFeatures& Features() { return features_; }
    // The real window; set before Form_Load.
    void AttachView(MainView& view) { view_ = &view; }
    // The real settings, About and update windows; set before Form_Load.
    void AttachOtherViews(OtherWindowViews& views) { others_.AttachViews(views); }

    // Window events, forwarded by the view.
    void Form_Load();
    void Form_Resize();
    // A close request: runs the close-request handler and, unless it cancels, the unload
    // and closes the window. False when the close was cancelled.
    bool Unload(UnloadMode mode);
    // Windows asks whether the session may end: the close-request handler with mode
    // AppWindows. True when it may; the unload then runs in EndSession.
    bool QueryEndSession();
    void EndSession(bool ending);
    // A mouse message of the tray icon (its callback message's lParam).
    void TrayIcon_Event(int mouseMessage);
    // A system-wide hotkey of the window (its id, modifier flags and virtual key), acted on
    // once the load installed the hotkeys.
    void HotKey(int id, std::uint32_t modifiers, std::uint32_t key);
    // The shell made a new taskbar (Explorer restarted; the registered "TaskbarCreated").
    void TaskbarCreated();

    std::string GetConnectionStatus();
    // The unattended cleaning run of a schedule kind (1 daily, 2 weekly, 3 hourly); false
    // when it was refused because another run is under way.
    bool ClearData(std::int16_t kind);
    const std::string& ExePath() const { return exePath_; }
    bool UnattendedExit() const { return unattendedExit_; }
    bool Unloaded() const { return unloaded_; }
    int CurrentPage() const { return currentPage_; }
    BrowserWindowHider& BrowserHider() { return browserHider_; }
    TrayIcon& Tray() { return tray_; }
    OtherWindows& Others() { return others_; }

    // What the panic run needs.
    void SetUnattendedExit() override { unattendedExit_ = true; }
    void HideMainWindow() override;
    void RemoveTrayIcon() override;
    void UnloadMainWindow() override;
    WindowHandle MainWindowHandle() override { return view_ ? view_->Handle() : 0; }

  private:
    void ConnectEvents();
    void tlbMain_ButtonClick(int index);
    void ShowPage(int page);
    void RestoreFromTray();
    void AddTrayIcon();

    // Load steps (MainWindowLoad.cpp). The window's own hotkey, then Windows+Z and
    // Windows+Shift+Z; a chord another program holds is simply not delivered.
    void InstallHotKeys(ErrorTrap& trap);

    // Closing (MainWindowClose.cpp). Form_QueryUnload answers true to cancel.
    bool Form_QueryUnload(UnloadMode mode);
    bool UnattendedQueryUnload(UnloadMode mode, ErrorTrap& trap);
    void Form_Unload();
    std::string ReadRunOnExit();

    // Menu items.
    void mHelpArticles_Click();
    void mSettings_Click();
    void mAboutClearwell_Click();
    void mKeepCookies_Click();
    void cmdAnalyze_Click();
    void cmdKeep_Click();

    Services& s_;
    MainControls c_;
    MainFeatures features_;
    MainView* view_ = nullptr;
    TrayIcon tray_;
    BrowserWindowHider browserHider_;
    OtherWindows others_;
    std::string exePath_;
    int currentPage_ = 0;
    bool unattendedExit_ = false;
    bool hotKeysInstalled_ = false;
    bool closeRequestRunning_ = false;
    bool sessionMayEnd_ = false;
    bool unloaded_ = false;
};

}  // namespace cw
