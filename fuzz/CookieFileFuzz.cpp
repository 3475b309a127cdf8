// Any "cookies.txt" through the cookie viewer: the parser's counts and its stepping agree,
// and the viewer shows, steps and reloads without failing.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Require.h"
#include "browser/CookieFile.h"
#include "host/BrowserWorld.h"

namespace {

void CheckParser(const std::string& file) {
    const auto lines = cw::cookies::SplitLines(file);
    const auto table = cw::cookies::CountDomains(file);
    Require(table.size() <= cw::cookies::kMaxDomains);
    std::size_t total = 0;
    for (std::size_t i = 0; i < table.size() && i < 8; ++i) {
        // Stepping through a domain visits exactly the lines it was counted for.
        int visited = 0;
        for (int line = cw::cookies::FindCookieLine(lines, table[i].domain, 0); line != 0;
             line = cw::cookies::FindCookieLine(lines, table[i].domain, line)) {
            Require(line > cw::cookies::kHeaderLines && line <= static_cast<int>(lines.size()));
            Require(cw::cookies::CookieDomain(lines[line - 1]) == table[i].domain);
            cw::cookies::SplitCookieLine(lines[line - 1]);
            ++visited;
        }
        Require(visited == table[i].count);
    }
    for (const auto& entry : table)
        total += static_cast<std::size_t>(entry.count);
    Require(total <= lines.size());
}

void DriveViewer(const std::string& file) {
    cw::testing::BrowserWorld s;
    s.SetNavigatorUser();
    s.fs.AddFile(std::string(s.kNavigator) + "\\cookies.txt", file);

    cw::CookieViewerControls& c = s.cookieControls;
    s.viewer.LoadCookieDomains();
    Require(c.List1.ListCount() == c.List2.ListCount());
    for (int row = 0; row < c.List1.ListCount() && row < 4; ++row) {
        c.List1.SetListIndexFromUser(row);
        Require(c.List2.ListIndex() == row);
        for (int i = 0; i < 3; ++i)
            c.Command2.Click();
        for (int i = 0; i < 4; ++i)
            c.Command3.Click();
    }
    s.viewer.LoadCookieDomains();
    Require(s.errors.reports.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    CheckParser(file);
    DriveViewer(file);
    return 0;
}
