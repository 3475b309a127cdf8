#include "shred/OpenDialogResult.h"

#include "files/Paths.h"

namespace cw {

std::int16_t countDelimiters(std::string_view text, char delimiter) {
    std::int32_t count = 0;
    for (char c : text) {
        if (c == delimiter && count < INT16_MAX) ++count;
    }
    return static_cast<std::int16_t>(count);
}

std::vector<std::string> PathsFromOpenDialog(const std::string& result) {
    std::vector<std::string> paths;
    if (result.empty()) return paths;
    const std::string s = result + '\0';
    std::string folder;
    std::vector<std::string> names;
    if (countDelimiters(s, '\0') == 1) {
        // One file: s is its full path.
        std::size_t slash = s.rfind('\\');
        if (slash == std::string::npos) return paths;
        folder = s.substr(0, slash);
        names.push_back(s.substr(slash + 1, s.size() - 1 - (slash + 1)));
    } else {
        std::size_t start = s.find('\0');
        folder = s.substr(0, start);
        for (++start; start < s.size();) {
            std::size_t end = s.find('\0', start);
            names.push_back(s.substr(start, end - start));
            start = end + 1;
        }
    }
    const std::string base = AddSlash(folder);
    for (const std::string& name : names) {
        if (!name.empty()) paths.push_back(base + name);
    }
    return paths;
}

}  // namespace cw
