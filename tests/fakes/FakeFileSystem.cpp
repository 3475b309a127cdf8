#include "fakes/FakeFileSystem.h"

#include <algorithm>

#include "text/Ansi.h"

namespace cw::fakes {

struct FakeFileSystem::Node {
    std::string name;
    std::uint32_t attributes = kAttrDirectory;
    std::string data;
    std::string linkTarget;  // set for a folder link
    FileTime created = 0;
    bool locked = false;
    int openCount = 0;
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;  // sorted without regard to case

    bool IsDir() const { return (attributes & kAttrDirectory) != 0; }
    bool IsLink() const { return !linkTarget.empty(); }
    Node* Child(const std::string& childName) const {
        for (auto& c : children) {
            if (text::EqualsNoCase(c->name, childName)) return c.get();
        }
        return nullptr;
    }
    Node* Add(std::string childName, FileTime createdAt = 0) {
        auto node = std::make_unique<Node>();
        node->name = std::move(childName);
        node->created = createdAt;
        return Add(std::move(node));
    }
    Node* Add(std::unique_ptr<Node> node) {
        node->parent = this;
        Node* raw = node.get();
        auto pos = std::find_if(children.begin(), children.end(), [&](const auto& c) {
            return text::UpperAnsi(c->name) > text::UpperAnsi(raw->name);
        });
        children.insert(pos, std::move(node));
        return raw;
    }
    std::unique_ptr<Node> Remove(Node* child) {  // one of this node's children
        auto it = std::find_if(children.begin(), children.end(),
                               [&](const auto& c) { return c.get() == child; });
        std::unique_ptr<Node> owned = std::move(*it);
        children.erase(it);
        return owned;
    }
};

namespace {

// Splits a drive-letter path into its drive ("C:") and components, as the platform reads
// it: / counts as \, repeated separators collapse, trailing blanks and dots of a component
// are dropped, "." and ".." are resolved. Empty when the path is not drive-qualified.
std::vector<std::string> SplitPath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '/', '\\');
    if (p.size() < 2 || p[1] != ':' || !std::isalpha(static_cast<unsigned char>(p[0]))) return {};
    std::vector<std::string> parts{std::string(1, text::UpperAnsi(p[0])) + ":"};
    std::string part;
    auto flush = [&] {
        if (part != "." && part != "..") {
            while (!part.empty() && (part.back() == ' ' || part.back() == '.'))
                part.pop_back();
        }
        if (part == "..") {
            if (parts.size() > 1) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (std::size_t i = 2; i < p.size(); ++i) {
        if (p[i] == '\\') {
            flush();
        } else {
            part += p[i];
        }
    }
    flush();
    return parts;
}

bool GlobMatch(const std::string& name, const std::string& mask) {
    std::size_t n = 0, m = 0, starM = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || mask[m] == name[n])) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (starM != std::string::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && (mask[m] == '*' || mask[m] == '.'))
        ++m;
    return m == mask.size();
}

bool IsValid83(const std::string& name) {
    std::size_t dot = name.find('.');
    if (dot != name.rfind('.')) return false;
    std::string base = name.substr(0, dot),
                ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || ext.size() > 3) return false;
    return name.find_first_of(" +,;=[]") == std::string::npos;
}

// Whether a name matches a search mask as FindFirstFileA matches it: * and ?, trailing dots
// and stars of the mask ignored at the end of the name; a name that is not a valid 8.3
// name also matches through its short name, whose extension is the first three characters
// of its own (the rest of the short name is not modelled).
bool MatchesFindMask(const std::string& name, const std::string& mask) {
    std::string upperMask = text::UpperAnsi(mask);
    if (GlobMatch(text::UpperAnsi(name), upperMask)) return true;
    if (name == "." || name == ".." || IsValid83(name)) return false;
    std::size_t dot = name.rfind('.');
    std::string ext = dot == std::string::npos || dot == 0 ? "" : "." + name.substr(dot + 1, 3);
    return GlobMatch(text::UpperAnsi("~1" + ext), upperMask);
}

}  // namespace

class FakeFile : public File {
  public:
    FakeFile(FakeFileSystem& fs, FakeFileSystem::Node* node, std::string path, bool canRead,
             bool canWrite)
        : fs_(fs), node_(node), path_(std::move(path)), canRead_(canRead), canWrite_(canWrite) {
        ++node_->openCount;
    }
    ~FakeFile() override { --node_->openCount; }

    long Read(void* buffer, std::uint32_t size, std::uint32_t& read) override {
        read = 0;
        if (!canRead_) return kErrorAccessDenied;
        if (position_ < node_->data.size()) {
            read = static_cast<std::uint32_t>(
                std::min<std::uint64_t>(size, node_->data.size() - position_));
            std::copy_n(node_->data.data() + position_, read, static_cast<char*>(buffer));
            position_ += read;
        }
        return kErrorSuccess;
    }
    long Write(const void* buffer, std::uint32_t size) override {
        if (!canWrite_) return kErrorAccessDenied;
        if (node_->data.size() < position_ + size) node_->data.resize(position_ + size);
        std::copy_n(static_cast<const char*>(buffer), size, node_->data.data() + position_);
        position_ += size;
        fs_.writes_.emplace_back(path_, size);
        return kErrorSuccess;
    }
    long Flush() override {
        fs_.flushes_.emplace_back(path_, node_->data);
        return kErrorSuccess;
    }
    long Size(std::uint64_t& size) override {
        size = node_->data.size();
        return kErrorSuccess;
    }
    long Seek(std::uint64_t offset) override {
        position_ = offset;
        return kErrorSuccess;
    }

  private:
    FakeFileSystem& fs_;
    FakeFileSystem::Node* node_;
    std::string path_;
    bool canRead_, canWrite_;
    std::uint64_t position_ = 0;
};

FakeFileSystem::FakeFileSystem() : root_(std::make_unique<Node>()) {
    AddDirectory("C:\\");
}
FakeFileSystem::~FakeFileSystem() = default;

FakeFileSystem::Node* FakeFileSystem::Resolve(const std::vector<std::string>& parts,
                                              bool followLast) {
    if (parts.empty()) return nullptr;
    Node* node = root_->Child(parts[0]);
    for (std::size_t i = 1; node && i < parts.size(); ++i) {
        node = node->Child(parts[i]);
        for (int depth = 0; node && node->IsLink() && (i + 1 < parts.size() || followLast);
             ++depth) {
            if (depth > 16) return nullptr;
            node = Resolve(SplitPath(node->linkTarget), false);
        }
    }
    return node;
}

FakeFileSystem::Node* FakeFileSystem::Resolve(const std::string& path, bool followLast) {
    return Resolve(SplitPath(path), followLast);
}

FakeFileSystem::Node* FakeFileSystem::Parent(const std::string& path, std::string& leaf,
                                             bool make) {
    std::vector<std::string> parts = SplitPath(path);
    if (parts.size() < 2) return nullptr;
    leaf = parts.back();
    parts.pop_back();
    Node* parent = make ? MakeDirs(parts) : Resolve(parts, true);
    return parent && parent->IsDir() ? parent : nullptr;
}

FakeFileSystem::Node* FakeFileSystem::MakeDirs(const std::vector<std::string>& parts) {
    if (parts.empty()) return nullptr;
    Node* node = root_->Child(parts[0]);
    if (!node) node = root_->Add(parts[0]);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        Node* child = node->Child(parts[i]);
        while (child && child->IsLink())
            child = Resolve(SplitPath(child->linkTarget), false);
        node = child ? child : node->Add(parts[i], now_);
    }
    return node;
}

long FakeFileSystem::Find(const std::string& pattern,
                          const std::function<bool(const FindData&)>& visit) {
    std::size_t sep = pattern.find_last_of("\\/");
    if (sep == std::string::npos || sep + 1 == pattern.size()) return kErrorFileNotFound;
    std::string mask = pattern.substr(sep + 1);
    Node* dir = Resolve(pattern.substr(0, sep + 1), true);
    if (!dir || !dir->IsDir()) return kErrorPathNotFound;
    auto entryOf = [this](const Node& n, const std::string& name) {
        return FindData{name, n.IsLink() ? LinkAttributes(n) : n.attributes, n.data.size(),
                        n.created, n.created};
    };
    std::vector<FindData> found;
    if (mask.find_first_of("*?") == std::string::npos) {
        std::vector<std::string> leafParts = SplitPath("C:\\" + mask);
        Node* child = leafParts.size() > 1 ? dir->Child(leafParts.back()) : nullptr;
        if (child) found.push_back(entryOf(*child, child->name));
    } else {
        bool isDriveRoot = dir->parent == root_.get();
        if (!isDriveRoot) {
            for (const char* dot : {".", ".."}) {
                if (MatchesFindMask(dot, mask)) found.push_back(entryOf(*dir, dot));
            }
        }
        for (auto& child : dir->children) {
            if (MatchesFindMask(child->name, mask)) found.push_back(entryOf(*child, child->name));
        }
    }
    if (found.empty()) return kErrorFileNotFound;
    for (const FindData& d : found) {
        if (!visit(d)) break;
    }
    return kErrorSuccess;
}

std::uint32_t FakeFileSystem::GetAttributes(const std::string& path) {
    Node* node = Resolve(path, false);
    if (!node || node->parent == root_.get()) {
        return node ? kAttrDirectory : kInvalidAttributes;
    }
    return node->IsLink() ? LinkAttributes(*node) : node->attributes;
}

std::uint32_t FakeFileSystem::LinkAttributes(const Node& link) {
    Node* target = Resolve(SplitPath(link.linkTarget), true);
    if (target && !target->IsDir()) return target->attributes;
    return kAttrDirectory | kAttrReparsePoint;
}

bool FakeFileSystem::IsLink(const std::string& path) {
    std::vector<std::string> parts = SplitPath(path);
    for (std::size_t i = 2; i <= parts.size(); ++i) {
        Node* node = Resolve(std::vector<std::string>(parts.begin(), parts.begin() + i), false);
        if (node && node->IsLink()) return true;
    }
    return false;
}

long FakeFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    if (IsLink(path) && Resolve(path, true)) return kErrorAccessDenied;
    Node* node = Resolve(path, true);
    if (!node) return kErrorFileNotFound;
    std::uint32_t keep = node->attributes & kAttrDirectory;
    std::uint32_t set = attributes & (kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive);
    node->attributes = keep | set;
    if (node->attributes == 0) node->attributes = kAttrNormal;
    return kErrorSuccess;
}

long FakeFileSystem::Open(const std::string& path, OpenMode mode, std::unique_ptr<File>& file) {
    std::string leaf;
    Node* parent = Parent(path, leaf);
    if (!parent) return kErrorPathNotFound;
    Node* node = Resolve(path, true);
    bool creating = mode == OpenMode::CreateAlways;
    if (node && node->IsDir()) return kErrorAccessDenied;
    if (node && node->locked) return kErrorSharingViolation;
    if (!node && !creating) return kErrorFileNotFound;
    bool writing = mode != OpenMode::Read;
    if (node && writing && (node->attributes & kAttrReadOnly)) return kErrorAccessDenied;
    if (node && writing && IsLink(path)) return kErrorAccessDenied;
    if (!node) {
        node = parent->Add(leaf, now_);
        node->attributes = kAttrArchive;
    } else if (mode == OpenMode::CreateAlways) {
        node->data.clear();
    }
    bool reading = mode == OpenMode::Read || mode == OpenMode::ReadWrite;
    file = std::make_unique<FakeFile>(*this, node, path, reading, writing);
    return kErrorSuccess;
}

long FakeFileSystem::Delete(const std::string& path) {
    std::string leaf;
    if (!Parent(path, leaf)) return kErrorPathNotFound;
    Node* node = Resolve(path, true);
    if (!node) return kErrorFileNotFound;
    if (node->IsDir() || IsLink(path)) return kErrorAccessDenied;
    if (node->attributes & kAttrReadOnly) return kErrorAccessDenied;
    if (node->locked || node->openCount > 0) return kErrorSharingViolation;
    node->parent->Remove(node);
    return kErrorSuccess;
}

long FakeFileSystem::CreateFolder(const std::string& path) {
    std::string leaf;
    Node* parent = Parent(path, leaf);
    if (!parent) return kErrorPathNotFound;
    if (parent->Child(leaf)) return kErrorAlreadyExists;
    parent->Add(leaf, now_);
    return kErrorSuccess;
}

long FakeFileSystem::RemoveFolder(const std::string& path) {
    std::string leaf;
    if (!Parent(path, leaf)) return kErrorPathNotFound;
    // As under Wine, a folder link is followed: it is the folder it points to that goes.
    Node* node = Resolve(path, true);
    if (!node) return kErrorFileNotFound;
    if (!node->IsDir()) return kErrorDirectory;
    if (node->parent == root_.get()) return kErrorAccessDenied;
    if (!node->children.empty()) return kErrorDirNotEmpty;
    node->parent->Remove(node);
    return kErrorSuccess;
}

long FakeFileSystem::Move(const std::string& from, const std::string& to, std::uint32_t flags) {
    if (IsLink(from) && Resolve(from, true)) return kErrorAccessDenied;
    if (flags & kMoveDelayUntilReboot) {
        pendingDeletes_.push_back(to.empty() ? from : from + " -> " + to);
        return kErrorSuccess;
    }
    Node* node = Resolve(from, false);
    if (!node) return kErrorFileNotFound;
    if (node->locked || node->openCount > 0) return kErrorSharingViolation;
    std::string leaf;
    Node* parent = Parent(to, leaf);
    if (!parent) return kErrorPathNotFound;
    if (Node* existing = parent->Child(leaf)) {
        if (existing == node) return kErrorSuccess;
        if (!(flags & kMoveReplaceExisting) || existing->IsDir()) return kErrorAlreadyExists;
        if (existing->attributes & kAttrReadOnly) return kErrorAccessDenied;
        if (existing->locked || existing->openCount > 0) return kErrorSharingViolation;
        parent->Remove(existing);
    }
    std::unique_ptr<Node> owned = node->parent->Remove(node);
    owned->name = leaf;
    parent->Add(std::move(owned));
    return kErrorSuccess;
}

void FakeFileSystem::AddDirectory(const std::string& path, std::uint32_t attributes) {
    Node* node = MakeDirs(SplitPath(path));
    if (node && node->parent != root_.get()) node->attributes = attributes | kAttrDirectory;
}

void FakeFileSystem::AddFile(const std::string& path, const std::string& content,
                             std::uint32_t attributes) {
    std::string leaf;
    Node* dir = Parent(path, leaf, true);
    if (!dir) return;
    Node* node = dir->Child(leaf);
    if (!node) node = dir->Add(leaf, now_);
    node->attributes = attributes & ~kAttrDirectory;
    if (node->attributes == 0) node->attributes = kAttrNormal;
    node->data = content;
}

void FakeFileSystem::AddLink(const std::string& linkPath, const std::string& target) {
    std::string leaf;
    if (Node* dir = Parent(linkPath, leaf, true)) dir->Add(leaf)->linkTarget = target;
}

void FakeFileSystem::Lock(const std::string& path, bool locked) {
    if (Node* node = Resolve(path, true)) node->locked = locked;
}

bool FakeFileSystem::IsDirectory(const std::string& path) {
    Node* node = Resolve(path, true);
    return node && node->IsDir();
}

std::string FakeFileSystem::Content(const std::string& path) {
    Node* node = Resolve(path, true);
    return node ? node->data : std::string();
}

void FakeFileSystem::SnapshotNode(const Node& node, const std::string& path,
                                  std::vector<std::string>& out) const {
    for (const auto& child : node.children) {
        std::string childPath = path.empty() ? child->name : path + "\\" + child->name;
        if (child->IsLink()) {
            out.push_back(childPath + "|link|" + child->linkTarget);
            continue;
        }
        out.push_back(childPath + "|" + std::to_string(child->attributes) + "|" + child->data);
        SnapshotNode(*child, childPath, out);
    }
}

std::vector<std::string> FakeFileSystem::Snapshot() const {
    std::vector<std::string> out;
    SnapshotNode(*root_, "", out);
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace cw::fakes
