#pragma once
// The home pages: Internet Explorer's "Start Page" with the program's lock beside it, and the
// Netscape home page line appended to the profile's "prefs.js". While the lock box is ticked,
// timIEURL restores the page it locked every two seconds, after a grace of fifteen ticks
// counted once for the life of the window. The locked page is the start page stored when the
// box was ticked, and then the page Set or Use Blank wrote.

#include <cstdint>
#include <string>

#include "browser/BrowserControls.h"
#include "errors/ErrorSink.h"
#include "errors/ErrorTrap.h"
#include "files/FileRoutines.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"

namespace cw {

// The message shown after the Netscape home page was written.
inline constexpr const char kNetscapeHomepageSet[] = "Setting Hompepage... Successful";

// The preference line (without its line break) that makes an address Netscape's home page.
// A quote or backslash in the address is escaped, and a line break written as \r or \n, so
// the line stays one valid JavaScript statement whatever was typed.
std::string NetscapeHomepageLine(const std::string& address);

class HomePage {
  public:
    HomePage(HomePageControls& controls, SettingsStore& settings, FileRoutines& files,
             ui::Dialogs& dialogs, ErrorSink& errors);
    HomePage(const HomePage&) = delete;
    HomePage& operator=(const HomePage&) = delete;

    std::string GetIEStartPage();
    // Writes "Start Page", but never an empty address.
    void SetIEStartPage(const std::string& url);
    std::string ReadHomePageLock();
    void SaveHomePageLock(bool locked);

    // The main window's load: the address box from "Start Page", the lock box from "Lock"
    // (its click starts the lock timer), and the timer left running only for a ticked box,
    // so a saved lock is enforced from start-up. Each statement runs under the load's trap:
    // an absent or non-numeric "Lock" is a type mismatch that leaves the box clear.
    void LoadHomePage(ErrorTrap& loadTrap);

    void cmdSetHomePage_Click();
    void cmdUseBlank_Click();
    void chkLockIEHomepage_Click();
    void timIEURL_Timer();
    void cmdSetNetscapeHomepage_Click();

    std::int16_t LockTicks() const { return lockTicks_; }

  private:
    void AppendPrefsLine(const std::string& prefsPath, const std::string& line);
    // With the lock box ticked, the stored start page becomes the page the lock holds.
    void TakeLockedPage();

    HomePageControls& c_;
    SettingsStore& settings_;
    FileRoutines& files_;
    ui::Dialogs& dialogs_;
    ErrorSink* errors_;
    // Ticks of timIEURL before the lock starts rewriting; never reset.
    std::int16_t lockTicks_ = 0;
    std::string lockedPage_;
};

}  // namespace cw
