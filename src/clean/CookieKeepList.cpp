#include "clean/CookieKeepList.h"

#include <algorithm>

#include "settings/SettingNames.h"
#include "text/Ansi.h"

namespace cw {

namespace {

std::string Normalized(std::string_view domain) {
    std::string d = text::LowerAnsi(text::Trim(domain));
    if (!d.empty() && d.front() == '.') d.erase(0, 1);
    return d;
}

std::string HostPart(std::string_view host) {
    std::string h = text::LowerAnsi(host);
    while (!h.empty() && h.front() == '.')
        h.erase(0, 1);
    return h;
}

}  // namespace

CookieKeepList CookieKeepList::Load(SettingsStore& settings) {
    CookieKeepList list;
    std::string stored = settings.GetSettingString(settings::kSettingsRoot, settings::kSettingsKey,
                                                   kKeepCookiesValue);
    std::size_t start = 0;
    while (start <= stored.size()) {
        std::size_t end = stored.find(';', start);
        if (end == std::string::npos) end = stored.size();
        list.Add(stored.substr(start, end - start));
        start = end + 1;
    }
    return list;
}

void CookieKeepList::Save(SettingsStore& settings) const {
    std::string joined;
    for (const std::string& domain : domains_)
        joined += (joined.empty() ? "" : ";") + domain;
    settings.SetSettingString(settings::kSettingsRoot, settings::kSettingsKey, kKeepCookiesValue,
                              joined);
}

std::string CookieKeepList::Problem(std::string_view domain) {
    std::string trimmed = text::Trim(domain);
    if (trimmed.empty() || trimmed == ".") return "Please type a domain, such as example.com.";
    if (trimmed.size() > kMaxDomainLength) return "A domain can be at most 255 characters long.";
    if (trimmed.find("://") != std::string::npos || text::StartsWithNoCase(trimmed, "http:") ||
        text::StartsWithNoCase(trimmed, "https:"))
        return "Type the domain alone, without \"http://\" or another scheme.";
    if (trimmed.find_first_of("/\\") != std::string::npos)
        return "Type the domain alone, without a path.";
    if (trimmed.find_first_of(" \t;:@") != std::string::npos)
        return "A domain cannot hold blanks or the characters ; : @.";
    return "";
}

std::string CookieKeepList::Add(std::string_view domain) {
    std::string problem = Problem(domain);
    if (!problem.empty()) return problem;
    std::string d = Normalized(domain);
    if (std::find(domains_.begin(), domains_.end(), d) == domains_.end()) domains_.push_back(d);
    return "";
}

void CookieKeepList::Remove(std::string_view domain) {
    std::string d = Normalized(domain);
    domains_.erase(std::remove(domains_.begin(), domains_.end(), d), domains_.end());
}

bool CookieKeepList::Keeps(std::string_view host) const {
    std::string h = HostPart(host);
    if (h.empty()) return false;
    for (const std::string& d : domains_) {
        if (h == d) return true;
        if (h.size() > d.size() && h.compare(h.size() - d.size(), d.size(), d) == 0 &&
            h[h.size() - d.size() - 1] == '.')
            return true;
    }
    return false;
}

std::string CookieEntryHost(std::string_view url) {
    if (!text::StartsWithNoCase(url, "Cookie:")) return "";
    std::size_t at = url.find('@');
    if (at == std::string_view::npos) return "";
    std::string_view rest = url.substr(at + 1);
    return HostPart(rest.substr(0, rest.find('/')));
}

std::string CookieFileHost(std::string_view name) {
    std::size_t at = name.find('@');
    if (at == std::string_view::npos) return "";
    // "host[1].txt": the host ends at the bracket, or at ".txt" without one.
    std::string_view rest = name.substr(at + 1);
    std::size_t end = rest.find('[');
    if (end == std::string_view::npos) end = text::FindNoCase(rest, ".txt");
    return HostPart(rest.substr(0, end));
}

std::string CookieLineHost(std::string_view line) {
    constexpr std::string_view kHttpOnly = "#HttpOnly_";
    if (line.substr(0, kHttpOnly.size()) == kHttpOnly) line.remove_prefix(kHttpOnly.size());
    if (line.empty() || line.front() == '#') return "";
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return "";
    return HostPart(text::Trim(line.substr(0, tab)));
}

}  // namespace cw
