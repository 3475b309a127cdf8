#pragma once
// The domains whose cookies every cleaning keeps: the REG_SZ value "KeepCookies" under the
// settings key, domains separated by ";". A domain keeps the cookies whose host is that
// domain or ends with "." and that domain, letter case ignored.

#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsStore.h"

namespace cw {

inline constexpr const char kKeepCookiesValue[] = "KeepCookies";
inline constexpr std::size_t kMaxDomainLength = 255;

class CookieKeepList {
  public:
    CookieKeepList() = default;
    // The stored list; entries that are not domains are passed over.
    static CookieKeepList Load(SettingsStore& settings);
    void Save(SettingsStore& settings) const;

    // Why the text is no domain to keep ("" when it is one).
    static std::string Problem(std::string_view domain);
    // Adds the domain (as written, lower-cased, a leading "." dropped) unless there already;
    // returns the problem when it is no domain.
    std::string Add(std::string_view domain);
    void Remove(std::string_view domain);

    bool Keeps(std::string_view host) const;
    const std::vector<std::string>& Domains() const { return domains_; }
    bool Empty() const { return domains_.empty(); }

  private:
    std::vector<std::string> domains_;
};

// The host of an Internet Explorer cookie entry ("Cookie:user@host/path"), or "".
std::string CookieEntryHost(std::string_view url);
// The host of an Internet Explorer cookie file ("user@host[1].txt"), or "".
std::string CookieFileHost(std::string_view name);
// The host of a line of Navigator's or Mozilla's "cookies.txt" (its first tab-separated
// field, a leading "." dropped), or "" for comments and blank lines.
std::string CookieLineHost(std::string_view line);

}  // namespace cw
