#include "browser/CookieViewer.h"

#include <algorithm>

#include "browser/CookieFile.h"
#include "clean/NetscapeUserDir.h"
#include "errors/ErrorTrap.h"
#include "files/Paths.h"
#include "files/WholeFile.h"
#include "text/Ansi.h"
#include "text/Convert.h"

namespace cw {

CookieViewer::CookieViewer(CookieViewerControls& controls, SettingsStore& settings,
                           FileRoutines& files, ErrorSink& errors)
    : c_(controls), settings_(settings), files_(files), errors_(errors) {
    c_.List1.onClick = [this] { List1_Click(); };
    c_.List2.onClick = [this] { List2_Click(); };
    c_.List1.onScroll = [this] { List1_Scroll(); };
    c_.List2.onScroll = [this] { List2_Scroll(); };
    c_.Command2.onClick = [this] { Command2_Click(); };
    c_.Command3.onClick = [this] { Command3_Click(); };
    // Nothing to step through until a domain with several cookies is selected.
    c_.Command2.SetEnabled(false);
    c_.Command3.SetEnabled(false);
}

bool CookieViewer::ReadCookieFile(std::string& content) {
    std::string user = GetNetscapeUserDir(settings_);
    if (user.empty()) return false;
    std::string path = AddSlash(user) + "cookies.txt";
    if (!files_.FileExists(path)) return false;
    ThrowIfFailed(ReadWholeFile(files_.fs(), path, content));
    return true;
}

void CookieViewer::LoadCookieDomains() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] { c_.List1.Clear(); });
    trap([&] { c_.List2.Clear(); });
    trap([&] {
        c_.Command2.SetEnabled(false);
        c_.Command3.SetEnabled(false);
    });
    std::string content;
    bool found = false;
    trap([&] { found = ReadCookieFile(content); });
    if (!found) return;
    std::vector<std::string> domains, counts;
    trap([&] {
        for (const cookies::DomainCount& entry : cookies::CountDomains(content)) {
            domains.push_back(entry.domain);
            counts.push_back(std::to_string(entry.count));
        }
    });
    trap([&] { c_.List1.SetItems(std::move(domains)); });
    trap([&] { c_.List2.SetItems(std::move(counts)); });
}

int CookieViewer::SelectedCount() {
    // The count of the selected row, as List2 shows it.
    return text::ToInteger(c_.List2.Text());
}

void CookieViewer::ShowPosition() {
    c_.Label7.SetCaption("Cookie " + std::to_string(cookieNumber_) + "/" + c_.List2.Text());
}

void CookieViewer::ShowFields(const std::string& line) {
    // Each field is shown on its own: one that cannot be read leaves its control as it was.
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    cookies::CookieFields f = cookies::SplitCookieLine(line);
    auto flagValue = [](const std::optional<std::string>& field) {
        if (field && text::EqualsNoCase(text::Trim(*field), "TRUE")) return ui::kChecked;
        if (field && text::EqualsNoCase(text::Trim(*field), "FALSE")) return ui::kUnchecked;
        throw RuntimeError(err::kTypeMismatch);
    };
    auto need = [](const std::optional<std::string>& field) -> const std::string& {
        if (!field) throw RuntimeError(err::kSubscriptOutOfRange);
        return *field;
    };
    trap([&] { c_.chkFlag.SetValue(flagValue(f.flag)); });
    trap([&] { c_.chkSecure.SetValue(flagValue(f.secure)); });
    trap([&] {
        const std::string& expiry = need(f.expiry);
        if (!text::IsNumeric(expiry)) throw RuntimeError(err::kTypeMismatch);
        c_.txtExp.SetText(text::FormatEpochSeconds(text::Val(expiry)));
    });
    trap([&] { c_.txtPath.SetText(need(f.path)); });
    trap([&] { c_.Label11.SetCaption("Name:   " + need(f.name)); });
    trap([&] { c_.txtValue.SetText(need(f.value)); });
}

void CookieViewer::ShowCookie(int start) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    if (c_.List1.ListIndex() < 0) return;
    const std::string domain = text::Trim(c_.List1.Text());
    if (start == 0) cookieNumber_ = 1;
    std::string content;
    bool found = false;
    trap([&] { found = ReadCookieFile(content); });
    if (!found) return;
    std::vector<std::string_view> lines = cookies::SplitLines(content);
    int line = cookies::FindCookieLine(lines, domain, start);
    if (line == 0) return;  // no further cookie: the display stays
    cookieLine_ = line;
    if (std::find(history_.begin(), history_.end(), line) == history_.end())
        history_.push_back(line);
    ShowFields(std::string(lines[static_cast<std::size_t>(line - 1)]));
    trap([&] { ShowPosition(); });
}

void CookieViewer::List1_Click() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] { c_.List2.SetListIndex(c_.List1.ListIndex()); });
    cookieNumber_ = 1;
    history_.clear();
    trap([&] { ShowCookie(0); });
    trap([&] {
        bool several = SelectedCount() > 1;
        c_.Command2.SetEnabled(several);
        c_.Command3.SetEnabled(several);
    });
}

void CookieViewer::List2_Click() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] { c_.List1.SetListIndex(c_.List2.ListIndex()); });
}

void CookieViewer::List1_Scroll() {
    c_.List2.SetTopIndex(c_.List1.TopIndex());
}

void CookieViewer::List2_Scroll() {
    c_.List1.SetTopIndex(c_.List2.TopIndex());
}

void CookieViewer::Command2_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, "frmMain,command2_click");
    trap([&] {
        ++cookieNumber_;
        int count = SelectedCount();
        if (cookieNumber_ > count) cookieNumber_ = count;
    });
    trap([&] { ShowCookie(cookieLine_); });
    trap([&] { ShowPosition(); });
}

void CookieViewer::Command3_Click() {
    // Any failure here puts the number back to 1 and ends the handler, without a message.
    ErrorTrap trap(TrapKind::EndSilently, nullptr, "");
    trap([&] {
        cookieNumber_ = std::max(1, cookieNumber_ - 1);
        ShowPosition();
        auto at = std::find(history_.begin(), history_.end(), cookieLine_);
        if (at == history_.begin() && at != history_.end()) {
            cookieNumber_ = 1;  // the first cookie is shown already
        } else if (at == history_.end() || at - history_.begin() == 1) {
            ShowCookie(0);
        } else {
            ShowCookie(*(at - 2));  // finds the cookie just before the shown one
        }
    });
    if (trap.LastError() != 0) cookieNumber_ = 1;
}

}  // namespace cw
