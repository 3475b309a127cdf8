#include "browser/HomePage.h"

#include <memory>

#include "clean/NetscapeUserDir.h"
#include "errors/RuntimeError.h"
#include "files/Paths.h"
#include "settings/SettingNames.h"
#include "text/Convert.h"

namespace cw {

namespace {

constexpr char kUseBlankTag[] = "frmMain,cmdUseBlank_Click";
constexpr char kLockTag[] = "frmMain,chkLockIEHomepage_Click";
constexpr char kNetscapeTag[] = "frmMain,cmdSetNetscapHomepage_Click";

constexpr char kBlankPage[] = "about:blank";
constexpr char kPrefsFile[] = "prefs.js";
constexpr char kHomepagePrefix[] = "user_pref(\"browser.startup.homepage\", \"";
constexpr char kHomepageSuffix[] = "\");";

// Ticks of timIEURL that pass before the lock first rewrites the start page.
constexpr std::int16_t kLockGraceTicks = 15;

}  // namespace

std::string NetscapeHomepageLine(const std::string& address) {
    std::string line = kHomepagePrefix;
    for (char ch : address) {
        switch (ch) {
            case '"':
                line += "\\\"";
                break;
            case '\\':
                line += "\\\\";
                break;
            case '\r':
                line += "\\r";
                break;
            case '\n':
                line += "\\n";
                break;
            default:
                line += ch;
        }
    }
    return line + kHomepageSuffix;
}

HomePage::HomePage(HomePageControls& controls, SettingsStore& settings, FileRoutines& files,
                   ui::Dialogs& dialogs, ErrorSink& errors)
    : c_(controls), settings_(settings), files_(files), dialogs_(dialogs), errors_(&errors) {
    c_.cmdSetHomePage.onClick = [this] { cmdSetHomePage_Click(); };
    c_.cmdUseBlank.onClick = [this] { cmdUseBlank_Click(); };
    c_.chkLockIEHomepage.onClick = [this] { chkLockIEHomepage_Click(); };
    c_.timIEURL.onTimer = [this] { timIEURL_Timer(); };
    c_.cmdSetNetscapeHomepage.onClick = [this] { cmdSetNetscapeHomepage_Click(); };
    // Only a ticked lock box runs the timer; until the load has read the lock it is off.
    c_.timIEURL.SetEnabled(false);
}

std::string HomePage::GetIEStartPage() {
    return settings_.GetSettingString(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage,
                                      "");
}

void HomePage::SetIEStartPage(const std::string& url) {
    if (url.empty()) return;
    settings_.SetSharedString(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage, url);
}

std::string HomePage::ReadHomePageLock() {
    return settings_.GetSettingString(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock, "");
}

void HomePage::SaveHomePageLock(bool locked) {
    settings_.SetSettingString(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock,
                               locked ? "1" : "0");
}

void HomePage::LoadHomePage(ErrorTrap& loadTrap) {
    loadTrap([&] { c_.txtHomePageURL.SetText(GetIEStartPage()); });
    loadTrap([&] { c_.chkLockIEHomepage.SetValue(text::ToInteger(ReadHomePageLock())); });
    loadTrap([&] { c_.timIEURL.SetEnabled(c_.chkLockIEHomepage.Checked()); });
}

void HomePage::cmdSetHomePage_Click() {
    SetIEStartPage(c_.txtHomePageURL.Text());
    SaveHomePageLock(c_.chkLockIEHomepage.Checked());
    TakeLockedPage();
}

void HomePage::cmdUseBlank_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kUseBlankTag);
    trap([&] { c_.txtHomePageURL.SetText(kBlankPage); });
    trap([&] { SetIEStartPage(kBlankPage); });
    trap([&] { TakeLockedPage(); });
}

void HomePage::chkLockIEHomepage_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kLockTag);
    trap([&] { TakeLockedPage(); });
    trap([&] { c_.timIEURL.SetEnabled(c_.chkLockIEHomepage.Checked()); });
}

// The page the lock holds is the start page as stored when the lock went on, or as this
// program last wrote it: never the text box while someone types in it.
void HomePage::TakeLockedPage() {
    if (c_.chkLockIEHomepage.Checked()) lockedPage_ = GetIEStartPage();
}

void HomePage::timIEURL_Timer() {
    if (lockTicks_ < kLockGraceTicks) {
        ++lockTicks_;
        return;
    }
    SetIEStartPage(lockedPage_);
}

void HomePage::cmdSetNetscapeHomepage_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kNetscapeTag);
    std::string profile;
    trap([&] { profile = GetNetscapeUserDir(settings_); });
    // No profile known, or only a path relative to the current drive: nothing is written.
    if (profile.empty() || !PathGuard::IsQualifiedNonRoot(profile)) return;
    std::string prefs = AddSlash(profile) + kPrefsFile;
    bool exists = false;
    trap([&] { exists = files_.FileExists(prefs); });
    if (!exists) return;
    // The message follows only a line that was written; a failed write is reported instead.
    trap([&] {
        AppendPrefsLine(prefs, NetscapeHomepageLine(c_.txtNetscapeHomepage.Text()));
        dialogs_.MsgBox(kNetscapeHomepageSet, ui::vbOKOnly);
    });
}

// Appends one line. A file whose last line has no line break gets one first, so the new
// preference is never glued to the end of another.
void HomePage::AppendPrefsLine(const std::string& prefsPath, const std::string& line) {
    FileSystem& fs = files_.fs();
    std::unique_ptr<File> file;
    ThrowIfFailed(fs.Open(prefsPath, OpenMode::ReadWrite, file));
    std::uint64_t size = 0;
    ThrowIfFailed(file->Size(size));
    std::string text;
    if (size > 0) {
        char last = 0;
        std::uint32_t read = 0;
        ThrowIfFailed(file->Seek(size - 1));
        ThrowIfFailed(file->Read(&last, 1, read));
        if (read != 1) throw RuntimeError(err::kDeviceIoError);
        if (last != '\n') text = "\r\n";
    }
    text += line + "\r\n";
    ThrowIfFailed(file->Seek(size));
    ThrowIfFailed(file->Write(text.data(), static_cast<std::uint32_t>(text.size())));
    ThrowIfFailed(file->Flush());
}

}  // namespace cw
