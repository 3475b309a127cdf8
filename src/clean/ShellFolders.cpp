#include "clean/ShellFolders.h"

namespace cw {

std::string ShellFolders::GetShellFolderPath(int csidl) {
    std::string path;
    if (!folders_.GetFolderPath(csidl, path)) return "";
    std::size_t zero = path.find('\0');
    if (zero != std::string::npos) path.resize(zero);
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

}  // namespace cw
