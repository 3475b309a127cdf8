#pragma once
// The program's button on Internet Explorer's toolbar (and entry in its Tools menu): one
// browser extension key under HKEY_LOCAL_MACHINE that starts the program's executable. The
// browser picks a change up the next time it starts.

#include <string>

#include "browser/BrowserControls.h"
#include "platform/Shell.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"

namespace cw {

// The browser's class for toolbar buttons that run an executable.
inline constexpr const char kExecButtonClsid[] = "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}";
// The button's picture, expected beside the executable.
inline constexpr const char kButtonIconFile[] = "icon.ico";
// Shown when Windows refused the button's key (on Windows NT, 2000 and XP the machine key
// takes changes from administrators only).
inline constexpr const char kButtonNotAdded[] =
    "The button could not be added to Internet Explorer: Windows refused to store it. "
    "Log on as an administrator and try again.";
inline constexpr const char kButtonNotRemoved[] =
    "The button could not be removed from Internet Explorer: Windows refused to change it. "
    "Log on as an administrator and try again.";

class BrowserButton {
  public:
    // caption: the main window's caption, shown as the button's text and menu entry.
    BrowserButton(BrowserButtonControls& controls, SettingsStore& settings, Shell& shell,
                  ui::Dialogs& dialogs, std::string caption);
    BrowserButton(const BrowserButton&) = delete;
    BrowserButton& operator=(const BrowserButton&) = delete;

    // Writes the eight values of the extension key; the buttons swap when the registry took
    // them all. A refused write (a user without write access to the machine key) is said in
    // a message, and the buttons stay as they were.
    void AddBrowserButton();
    // Deletes the extension key (a key that is not there counts as deleted); the buttons
    // swap back, or a message says the registry refused.
    void RemoveBrowserButton();

  private:
    BrowserButtonControls& c_;
    SettingsStore& settings_;
    Shell& shell_;
    ui::Dialogs& dialogs_;
    std::string caption_;
};

}  // namespace cw
