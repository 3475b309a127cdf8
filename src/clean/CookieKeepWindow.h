#pragma once
// The window "Cookies to Keep -- Clearwell": the domains whose cookies every cleaning keeps,
// as stored in "KeepCookies", with a field and "Add" to add one and "Remove" for the selected
// one. Every change is stored at once, and the list always shows what is stored.

#include <string>

#include "clean/CookieKeepList.h"
#include "errors/ErrorSink.h"
#include "settings/SettingsStore.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

namespace cw {

inline constexpr const char kKeepCookiesCaption[] = "Cookies to Keep -- Clearwell";

struct CookieKeepControls {
    ui::Label lblDomains{"lblDomains",
                         "Every cleaning keeps the cookies of these domains and their subdomains:"};
    ui::ListBox lstDomains{"lstDomains"};
    ui::Label lblDomain{"lblDomain", "Domain:"};
    ui::TextBox txtDomain{"txtDomain"};
    ui::Button cmdAdd{"cmdAdd", "&Add"};
    ui::Button cmdRemove{"cmdRemove", "&Remove"};
    ui::Button cmdClose{"cmdClose", "Close"};
};

// Adds the domain to the stored list. Returns why it was refused, "" when the store now holds
// it (also when it was there already).
std::string KeepDomain(SettingsStore& settings, std::string_view domain);

class CookieKeepWindow {
  public:
    // Connects the buttons and the list.
    CookieKeepWindow(SettingsStore& settings, ui::Dialogs& dialogs, ErrorSink& errors);
    CookieKeepWindow(const CookieKeepWindow&) = delete;
    CookieKeepWindow& operator=(const CookieKeepWindow&) = delete;

    const char* Caption() const { return kKeepCookiesCaption; }
    CookieKeepControls& Controls() { return c_; }

    // Shows the stored list (when the window opens, and after the list changed elsewhere).
    void Reload();
    void cmdAdd_Click();
    void cmdRemove_Click();

    // The view closes the window when this is raised (Close, Esc, the close box).
    ui::Event onUnload;

  private:
    void Show(const std::string& select);

    CookieKeepControls c_;
    SettingsStore& settings_;
    ui::Dialogs& dialogs_;
    ErrorSink& errors_;
};

}  // namespace cw
