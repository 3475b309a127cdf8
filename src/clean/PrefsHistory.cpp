#include "clean/PrefsHistory.h"

#include "text/Ansi.h"

namespace cw {

int RemoveHistoryLines(std::string& text, int maxSearches) {
    int removed = 0;
    std::size_t from = 0;
    while (removed < maxSearches) {
        std::size_t at = text::FindNoCase(text, kHistoryLinePrefix, from);
        if (at == std::string::npos) break;
        // The piece ends with its own line feed (a CR before it belongs to the piece too),
        // so an address holding ";" or a file with bare line feeds loses exactly its line.
        std::size_t lineFeed = text.find('\n', at);
        std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
        const std::string piece = text.substr(at, end - at);
        // Identical lines before it went with an earlier piece; a piece without a line break
        // ends the text and is its own only occurrence.
        for (std::size_t hit = at; (hit = text.find(piece, hit)) != std::string::npos;) {
            text.erase(hit, piece.size());
        }
        from = at;
        ++removed;
    }
    return removed;
}

}  // namespace cw
