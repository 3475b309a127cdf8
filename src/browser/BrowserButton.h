#pragma once
// The program's button on Internet Explorer's toolbar (and entry in its Tools menu): one
// browser extension key under HKEY_LOCAL_MACHINE that starts the program's executable. The
// browser picks a change up the next time it starts.

#include <string>

#include "browser/BrowserControls.h"
#include "platform/Shell.h"
#include "settings/SettingsStore.h"

namespace cw {

// The browser's class for toolbar buttons that run an executable.
inline constexpr const char kExecButtonClsid[] = "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}";
// The button's picture, expected beside the executable.
inline constexpr const char kButtonIconFile[] = "icon.ico";

class BrowserButton {
  public:
    // caption: the main window's caption, shown as the button's text and menu entry.
    BrowserButton(BrowserButtonControls& controls, SettingsStore& settings, Shell& shell,
                  std::string caption);
    BrowserButton(const BrowserButton&) = delete;
    BrowserButton& operator=(const BrowserButton&) = delete;

    // Writes the eight values of the extension key; the buttons swap whether or not the
    // registry took them (a user without write access to the machine key gets no button).
    void AddBrowserButton();
    // Deletes the extension key; the buttons swap back.
    void RemoveBrowserButton();

  private:
    BrowserButtonControls& c_;
    SettingsStore& settings_;
    Shell& shell_;
    std::string caption_;
};

}  // namespace cw
