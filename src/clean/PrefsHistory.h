#pragma once
// The remembered addresses in Netscape Navigator's preference files ("prefs.js",
// "liprefs.js"): one line each, beginning with the history-line prefix.

#include <string>
#include <string_view>

namespace cw {

inline constexpr std::string_view kHistoryLinePrefix = "user_pref(\"browser.url_history.URL";
inline constexpr int kMaxHistoryLinesPerRun = 30;

// Removes history lines from the text: up to maxSearches times, the next occurrence of the
// prefix (letter case ignored) is found and the piece from it to the end of its line, with
// that line's own break (CR LF or a bare LF; none at the end of the text), is removed,
// together with every identical piece after it. Every other byte stays as it was. Returns
// the number of searches that removed something.
int RemoveHistoryLines(std::string& text, int maxSearches = kMaxHistoryLinesPerRun);

}  // namespace cw
