#include "browser/CookieFile.h"

#include "text/Ansi.h"

namespace cw::cookies {

std::vector<std::string_view> SplitLines(std::string_view file) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    while (begin < file.size()) {
        std::size_t end = file.find_first_of("\r\n", begin);
        if (end == std::string_view::npos) {
            lines.push_back(file.substr(begin));
            break;
        }
        lines.push_back(file.substr(begin, end - begin));
        begin = end + (file[end] == '\r' && end + 1 < file.size() && file[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::optional<std::string> CookieDomain(std::string_view line) {
    if (text::Trim(line).empty()) return std::nullopt;
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    return text::Trim(line.substr(0, tab));
}

std::vector<DomainCount> CountDomains(std::string_view file) {
    std::vector<DomainCount> table;
    std::vector<std::string_view> lines = SplitLines(file);
    for (std::size_t i = kHeaderLines; i < lines.size(); ++i) {
        std::optional<std::string> domain = CookieDomain(lines[i]);
        if (!domain) continue;
        bool found = false;
        for (DomainCount& entry : table) {
            if (entry.domain == *domain) {
                ++entry.count;
                found = true;
                break;
            }
        }
        if (!found && table.size() < kMaxDomains) table.push_back({*domain, 1});
    }
    return table;
}

int FindCookieLine(const std::vector<std::string_view>& lines, std::string_view domain, int start) {
    // Lines are compared by their whole domain, as they are counted: a domain that begins
    // another ("abc.com", "abc.com.au") does not take the other's cookies.
    std::size_t first = start < kHeaderLines ? kHeaderLines : static_cast<std::size_t>(start);
    for (std::size_t i = first; i < lines.size(); ++i) {
        std::optional<std::string> d = CookieDomain(lines[i]);
        if (d && *d == domain) return static_cast<int>(i + 1);
    }
    return 0;
}

CookieFields SplitCookieLine(std::string_view line) {
    CookieFields fields;
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return fields;
    std::string_view rest = line.substr(tab + 1);
    std::optional<std::string>* slots[] = {&fields.flag, &fields.path, &fields.secure,
                                           &fields.expiry, &fields.name};
    for (std::optional<std::string>* slot : slots) {
        std::size_t next = rest.find('\t');
        if (next == std::string_view::npos) {
            *slot = std::string(rest);
            return fields;
        }
        *slot = std::string(rest.substr(0, next));
        rest = rest.substr(next + 1);
    }
    fields.value = std::string(rest);
    return fields;
}

}  // namespace cw::cookies
