#pragma once
// The Netscape cookie viewer on the "Netscape" page: the distinct domains of the Navigator
// profile's "cookies.txt" with their cookie counts (List1 and List2, kept in step), and one
// cookie of the selected domain at a time, stepped with "<" and ">". Read-only.

#include <string>
#include <vector>

#include "browser/BrowserControls.h"
#include "errors/ErrorSink.h"
#include "files/FileRoutines.h"
#include "settings/SettingsStore.h"

namespace cw {

class CookieViewer {
  public:
    // Connects the lists' clicks and scrolling and the two buttons.
    CookieViewer(CookieViewerControls& controls, SettingsStore& settings, FileRoutines& files,
                 ErrorSink& errors);

    // Fills both lists from the cookie file; empty when there is none.
    void LoadCookieDomains();
    // Shows the first cookie of the selected domain after line start (0: from the top).
    void ShowCookie(int start);

    void List1_Click();
    void List2_Click();
    void List1_Scroll();
    void List2_Scroll();
    void Command2_Click();  // ">"
    void Command3_Click();  // "<"

  private:
    // The cookie file's bytes; false when there is no profile or no file.
    bool ReadCookieFile(std::string& content);
    int SelectedCount();
    void ShowPosition();
    void ShowFields(const std::string& line);

    CookieViewerControls& c_;
    SettingsStore& settings_;
    FileRoutines& files_;
    ErrorSink& errors_;
    int cookieNumber_ = 1;
    int cookieLine_ = 0;
    // The line numbers shown since the domain was selected, each once, in the order shown.
    std::vector<int> history_;
};

}  // namespace cw
