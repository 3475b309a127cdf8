#include "files/PathGuard.h"

#include "text/Ansi.h"

namespace cw {

namespace {

const int kProtectedCsidls[] = {
    kCsidlWindows,
    kCsidlSystem,
    kCsidlProgramFiles,
    kCsidlProfile,
    kCsidlDesktop,
    kCsidlDesktopDirectory,
    kCsidlPersonal,
    kCsidlAppData,
    kCsidlLocalAppData,
    kCsidlFavorites,
    kCsidlStartMenu,
    kCsidlPrograms,
    kCsidlStartup,
    kCsidlCommonAppData,
    kCsidlCommonDesktopDirectory,
    kCsidlCommonDocuments,
    kCsidlCommonStartMenu,
    kCsidlCommonPrograms,
    kCsidlProgramFilesCommon,
};

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string PathGuard::Normalize(const std::string& path) {
    std::string p;
    for (char c : path)
        p += c == '/' ? '\\' : c;
    std::string prefix;
    std::size_t i = 0;
    if (p.size() >= 3 && IsDriveLetter(p[0]) && p[1] == ':' && p[2] == '\\') {
        prefix = text::UpperAnsi(p.substr(0, 2));
        i = 3;
    } else if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') {
        // \\?\ and \\.\ device paths are never accepted.
        if (p.size() >= 4 && (p[2] == '?' || p[2] == '.') && p[3] == '\\') return "";
        prefix = "\\";
        i = 2;
    } else {
        return "";
    }
    std::string out = prefix;
    int count = 0;
    std::size_t begin = i;
    while (begin <= p.size()) {
        std::size_t end = p.find('\\', begin);
        if (end == std::string::npos) end = p.size();
        std::string part = p.substr(begin, end - begin);
        begin = end + 1;
        if (part.empty()) continue;  // repeated or trailing separators
        // Windows drops trailing blanks and dots of a component ("Windows." is "Windows");
        // a component made only of them ("." or "..") is refused, not resolved.
        while (!part.empty() && (part.back() == ' ' || part.back() == '.'))
            part.pop_back();
        if (part.empty()) return "";
        out += "\\" + text::UpperAnsi(part);
        ++count;
    }
    // A UNC path needs a server and a share.
    if (prefix == "\\" && count < 2) return "";
    return out;
}

bool PathGuard::IsQualifiedNonRoot(const std::string& path) {
    std::string n = Normalize(path);
    if (n.empty()) return false;
    std::size_t components = 0;
    for (char c : n)
        components += c == '\\';
    // "C:\X" has one separator; "\\SERVER\SHARE\X" has three (after the leading one).
    return n[0] == '\\' ? components >= 4 : components >= 1;
}

const std::vector<std::string>& PathGuard::ProtectedFolders() {
    if (loaded_) return protected_;
    loaded_ = true;
    for (int csidl : kProtectedCsidls) {
        std::string path;
        if (!folders_.GetFolderPath(csidl, path) || path.empty()) continue;
        for (const std::string& form : {path, fs_.LongPath(path)}) {
            std::string n = Normalize(form);
            if (!n.empty()) protected_.push_back(n);
        }
    }
    return protected_;
}

bool PathGuard::MayDelete(const std::string& path) {
    // A path refused by its text is not looked up on the disk (nor on a network).
    if (!IsQualifiedNonRoot(path) || IsProtectedOrAncestor(Normalize(path))) return false;
    return MayDelete(path, fs_.GetAttributes(path));
}

bool PathGuard::MayDelete(const std::string& path, std::uint32_t attributes) {
    if (!IsQualifiedNonRoot(path) || IsProtectedOrAncestor(Normalize(path))) return false;
    // A short name ("C:\PROGRA~1") reaches a protected folder as surely as its long name, so
    // a folder is judged by its long name too. A file cannot be a protected folder nor hold
    // one under any name; sparing it the lookup, which reads the folder of every component,
    // keeps a long list of files quick.
    if (attributes != kInvalidAttributes && !(attributes & kAttrDirectory)) return true;
    const std::string longPath = fs_.LongPath(path);
    return IsQualifiedNonRoot(longPath) && !IsProtectedOrAncestor(Normalize(longPath));
}

bool PathGuard::IsProtectedOrAncestor(const std::string& normalized) {
    if (normalized.empty()) return true;
    for (const std::string& p : ProtectedFolders()) {
        if (p == normalized ||
            (p.size() > normalized.size() && p.compare(0, normalized.size(), normalized) == 0 &&
             p[normalized.size()] == '\\')) {
            return true;
        }
    }
    return false;
}

}  // namespace cw
