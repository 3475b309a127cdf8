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

std::string GetDrivePart(std::string_view path) {
    std::size_t colon = path.find(':');
    if (colon == std::string_view::npos) return "NO DRIVE";
    return std::string(path.substr(0, colon + 1));
}

std::string GetPathPart(std::string_view path) {
    std::size_t last = path.rfind('\\');
    if (last == std::string_view::npos) return "NO PATH";
    bool bareRoot = path.size() == 3 && path[1] == ':' && path[2] == '\\';
    if (bareRoot || (path.size() >= 4 && path[3] == '*')) return "\\";
    std::size_t colon = path.find(':');
    std::size_t start = colon == std::string_view::npos ? 0 : colon + 1;
    if (last < start) return "\\";
    return std::string(path.substr(start, last - start));
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
