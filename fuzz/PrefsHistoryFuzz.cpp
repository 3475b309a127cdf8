// Any preference file through the history-line removal and the Navigator history cleaner:
// at most 30 removals, nothing added, and the file replaced only by its edited text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Require.h"
#include "clean/PrefsHistory.h"
#include "fakes/PlanOf.h"
#include "host/BrowserWorld.h"

namespace {

// Whether edited is the original with some pieces taken out.
bool IsSubsequence(const std::string& edited, const std::string& original) {
    std::size_t j = 0;
    for (char c : original) {
        if (j < edited.size() && edited[j] == c) ++j;
    }
    return j == edited.size();
}

std::string CheckRemoval(const std::string& original) {
    std::string text = original;
    int removed = cw::RemoveHistoryLines(text);
    Require(removed >= 0 && removed <= cw::kMaxHistoryLinesPerRun);
    Require(removed > 0 ? text.size() < original.size() : text == original);
    Require(IsSubsequence(text, original));
    return text;
}

void RunCleaner(const std::string& original, const std::string& expected) {
    cw::testing::BrowserWorld s;
    s.SetNavigatorUser();
    const std::string prefs = std::string(s.kNavigator) + "\\prefs.js";
    s.fs.AddFile(prefs, original);
    cw::CarryOut(cw::fakes::PlanOf(s.netscape, &cw::NetscapeCleaner::PlanNetscapeHistory));
    Require(s.fs.Content(prefs) == expected);
    Require(!s.fs.Exists(prefs + ".cwtmp"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string original(reinterpret_cast<const char*>(data), size);
    RunCleaner(original, CheckRemoval(original));
    return 0;
}
