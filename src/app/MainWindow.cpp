#include "app/MainWindow.h"

#include "BuildConfig.h"
#include "app/HotKeys.h"
#include "errors/ErrorTrap.h"

namespace cw {

MainWindow::MainWindow(Services& services)
    : s_(services),
      features_(c_, services, *this),
      tray_(services.notifyIcon),
      browserHider_(services.desktop),
      others_(services, c_.timAutoUpdate, features_.cleaners) {
    ConnectEvents();
    // As the window was designed: the "Main" page lies on top of the others.
    ShowPage(0);
}

void MainWindow::ConnectEvents() {
    c_.tlbMain.onButtonClick = [this](int index) { tlbMain_ButtonClick(index); };
    c_.mExit.onClick = [this] { Unload(UnloadMode::FormCode); };
    c_.mPopExit.onClick = [this] { Unload(UnloadMode::FormCode); };
    c_.mSettings.onClick = [this] { mSettings_Click(); };
    c_.mCheckUpgrades.onClick = [this] { others_.ShowUpdate(); };
    c_.mKeepCookies.onClick = [this] { mKeepCookies_Click(); };
    c_.privacy.cmdAnalyze.onClick = [this] { cmdAnalyze_Click(); };
    c_.cookies.cmdKeep.onClick = [this] { cmdKeep_Click(); };
    c_.mHelpArticles.onClick = [this] { mHelpArticles_Click(); };
    c_.mAboutClearwell.onClick = [this] { mAboutClearwell_Click(); };
    c_.mPopPanic.onClick = [this] { c_.panic.cmdPanic.Click(); };
    c_.mPopRestore.onClick = [this] { RestoreFromTray(); };
}

void MainWindow::ShowPage(int page) {
    for (int i = 0; i < kPageCount; ++i)
        c_.fraMain[static_cast<std::size_t>(i)].SetVisible(i == page);
    currentPage_ = page;
}

void MainWindow::tlbMain_ButtonClick(int index) {
    for (int i = 1; i <= c_.tlbMain.ButtonCount(); ++i)
        c_.tlbMain.SetPressed(i, false);
    if (index == 7) {
        // "Panic Key": everything is ticked, then the panic run cleans and closes.
        c_.privacy.cmdSelectAll.Click();
        c_.panic.cmdPanic.Click();
        return;
    }
    c_.tlbMain.SetPressed(index, true);
    ShowPage(index - 1);
}

void MainWindow::Form_Resize() {
    // Minimised, the window leaves the screen and the task bar: only the tray icon remains.
    // Without the icon (the shell refused it) the window stays on the task bar.
    if (view_ && view_->State() == WindowState::Minimized && tray_.Shown()) view_->Hide();
}

void MainWindow::TrayIcon_Event(int mouseMessage) {
    switch (mouseMessage) {
        case kTrayLeftButtonUp:
        case kTrayLeftDoubleClick:
            RestoreFromTray();
            break;
        case kTrayRightButtonUp:
            s_.desktop.SetForeground(view_->Handle());
            view_->ShowPopupMenu(c_.mPopupSys);
            break;
        default:
            break;
    }
}

void MainWindow::TaskbarCreated() {
    tray_.TaskbarCreated();
}

void MainWindow::RestoreFromTray() {
    view_->SetState(WindowState::Normal);
    s_.desktop.SetForeground(view_->Handle());
    view_->Show();
}

void MainWindow::HotKey(int id, std::uint32_t modifiers, std::uint32_t key) {
    if (!hotKeysInstalled_) return;
    if (key == kHotKeyZ && modifiers == kModWin && id == kHideHotKeyId) {
        browserHider_.HideBrowserWindows();
    } else if (key == kHotKeyZ && modifiers == (kModWin | kModShift) && id == kRestoreHotKeyId) {
        browserHider_.RestoreBrowserWindows();
    }
}

std::string MainWindow::GetConnectionStatus() {
    std::uint32_t flags = 0;
    if (!s_.internet.GetConnectedState(flags)) {
        return "You are currently not connected to the internet.";
    }
    std::string s;
    if (flags & kConnectionLan) s += "Internet connection via a LAN\r\n";
    s += (flags & kConnectionProxy) ? ", and connection is through a proxy server." : ".";
    if (flags & kConnectionModem) s = "Internet connection via a Modem\r\n";
    if (flags & kConnectionOffline) s = "Internet connection is currently offline.";
    if (flags & kConnectionModemBusy) s += "Modem is busy with a non-Internet connection.";
    return s;
}

bool MainWindow::ClearData(std::int16_t kind) {
    return features_.cleaning.ClearData(kind);
}

void MainWindow::AddTrayIcon() {
    tray_.Add(view_->Handle(), view_->Icon(), kMainCaption);
}

void MainWindow::HideMainWindow() {
    view_->Hide();
}

void MainWindow::RemoveTrayIcon() {
    tray_.Remove();
}

void MainWindow::UnloadMainWindow() {
    Unload(UnloadMode::FormCode);
}

void MainWindow::mHelpArticles_Click() {
    std::string base = build::kServerUrl;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    s_.shell.Execute(0, "open", base + "/help/", "", "", kSwShowNormal);
}

void MainWindow::mSettings_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &s_.errors, "frmMain,mSettings_Click");
    trap([&] { others_.ShowSettings(); });
}

void MainWindow::mKeepCookies_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &s_.errors, "frmMain,mKeepCookies_Click");
    trap([&] { others_.ShowKeepCookies(); });
}

void MainWindow::cmdAnalyze_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &s_.errors, "frmMain,cmdAnalyze_Click");
    trap([&] { others_.ShowAnalysis(TickedItems(c_.privacy)); });
}

// The Netscape page's "Keep": the cookies of the domain selected in the viewer are kept.
void MainWindow::cmdKeep_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &s_.errors, "frmMain,cmdKeep_Click");
    trap([&] {
        const std::string domain = c_.cookies.List1.Text();
        if (domain.empty()) {
            s_.dialogs.MsgBox("Please select a domain in the list first.", ui::vbExclamation,
                              kKeepCookiesCaption);
            return;
        }
        const std::string problem = KeepDomain(s_.settings, domain);
        if (!problem.empty()) {
            s_.dialogs.MsgBox(problem, ui::vbExclamation, kKeepCookiesCaption);
            return;
        }
        others_.KeepListChanged();
        CookieKeepList kept;
        kept.Add(domain);
        s_.dialogs.MsgBox("Every cleaning now keeps the cookies of " + kept.Domains().front() +
                              " and its subdomains.",
                          ui::vbInformation, kKeepCookiesCaption);
    });
}

void MainWindow::mAboutClearwell_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &s_.errors, "frmMain,mAboutClearwell_Click");
    trap([&] { others_.ShowAbout(); });
}

}  // namespace cw
