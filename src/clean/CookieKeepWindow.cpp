#include "clean/CookieKeepWindow.h"

#include <algorithm>

#include "errors/ErrorTrap.h"

namespace cw {

namespace {

bool Holds(const CookieKeepList& list, const std::string& domain) {
    const auto& d = list.Domains();
    return std::find(d.begin(), d.end(), domain) != d.end();
}

}  // namespace

std::string KeepDomain(SettingsStore& settings, std::string_view domain) {
    CookieKeepList list = CookieKeepList::Load(settings);
    std::string problem = list.Add(domain);
    if (!problem.empty()) return problem;
    list.Save(settings);
    // Said only when it is so: the list is read back.
    CookieKeepList stored = CookieKeepList::Load(settings);
    for (const std::string& d : list.Domains()) {
        if (!Holds(stored, d)) return "The list of domains could not be stored.";
    }
    return "";
}

CookieKeepWindow::CookieKeepWindow(SettingsStore& settings, ui::Dialogs& dialogs, ErrorSink& errors)
    : settings_(settings), dialogs_(dialogs), errors_(errors) {
    c_.cmdAdd.onClick = [this] { cmdAdd_Click(); };
    c_.cmdRemove.onClick = [this] { cmdRemove_Click(); };
    c_.lstDomains.onClick = [this] { c_.cmdRemove.SetEnabled(c_.lstDomains.ListIndex() >= 0); };
    c_.cmdClose.onClick = [this] {
        if (onUnload) onUnload();
    };
    c_.cmdRemove.SetEnabled(false);
}

void CookieKeepWindow::Reload() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, "frmKeepCookies,Reload");
    trap([&] { Show(c_.lstDomains.Text()); });
}

void CookieKeepWindow::Show(const std::string& select) {
    std::vector<std::string> domains = CookieKeepList::Load(settings_).Domains();
    std::sort(domains.begin(), domains.end());
    auto at = std::find(domains.begin(), domains.end(), select);
    c_.lstDomains.SetListIndex(-1);
    c_.lstDomains.SetItems(domains);
    if (at != domains.end()) c_.lstDomains.SetListIndex(static_cast<int>(at - domains.begin()));
    c_.cmdRemove.SetEnabled(c_.lstDomains.ListIndex() >= 0);
}

void CookieKeepWindow::cmdAdd_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, "frmKeepCookies,cmdAdd_Click");
    trap([&] {
        const std::string typed = c_.txtDomain.Text();
        std::string problem = KeepDomain(settings_, typed);
        if (!problem.empty()) {
            dialogs_.MsgBox(problem, ui::vbExclamation, kKeepCookiesCaption);
            return;
        }
        CookieKeepList added;
        added.Add(typed);
        c_.txtDomain.SetText("");
        Show(added.Domains().front());
    });
}

void CookieKeepWindow::cmdRemove_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, "frmKeepCookies,cmdRemove_Click");
    trap([&] {
        const std::string selected = c_.lstDomains.Text();
        if (selected.empty()) return;
        CookieKeepList list = CookieKeepList::Load(settings_);
        list.Remove(selected);
        list.Save(settings_);
        Show("");
    });
}

}  // namespace cw
