#include "files/Paths.h"

namespace cw {

std::string AddSlash(std::string_view path) {
    std::string p(path);
    if (p.empty() || p.back() != '\\') p += '\\';
    return p;
}

std::string DropSlash(std::string_view path) {
    std::string p(path);
    bool driveRoot = p.size() == 3 && p[1] == ':';
    if (!p.empty() && p.back() == '\\' && !driveRoot) p.pop_back();
    return p;
}

std::string FileNamePart(std::string_view path) {
    std::size_t last = path.rfind('\\');
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string FolderPart(std::string_view path) {
    std::size_t last = path.rfind('\\');
    if (last == std::string_view::npos) return "";
    return std::string(path.substr(0, last));
}

}  // namespace cw
