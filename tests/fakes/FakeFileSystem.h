#pragma once
// An in-memory file system with Windows rules as Wine shows them: drive-letter paths,
// names that compare without regard to case, FindFirstFileA's wildcard matching (long names
// and the short-name extension), read-only, hidden and system attributes, files that are in
// use, and links that behave as Wine's Unix symbolic links do: the file functions follow
// them, and removing a link as a folder removes the folder it points to. A link to a file
// lists as the file it points to (Wine shows no reparse point for it). As the Win32 side
// does, deleting, writing, moving and changing attributes through any link are refused.

#include <memory>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace cw::fakes {

class FakeFileSystem : public FileSystem {
  public:
    FakeFileSystem();
    ~FakeFileSystem() override;

    long Find(const std::string& pattern,
              const std::function<bool(const FindData&)>& visit) override;
    std::uint32_t GetAttributes(const std::string& path) override;
    long SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool IsLink(const std::string& path) override;
    long Open(const std::string& path, OpenMode mode, std::unique_ptr<File>& file) override;
    long Delete(const std::string& path) override;
    long CreateFolder(const std::string& path) override;
    long RemoveFolder(const std::string& path) override;
    long Move(const std::string& from, const std::string& to, std::uint32_t flags) override;
    std::string LongPath(const std::string& path) override { return path; }
    std::string TempPath() override { return tempPath_; }
    // Last to first: the order is not set, and no caller may rely on the one it listed.
    void RunEach(std::size_t count, const std::function<void(std::size_t)>& task) override {
        for (std::size_t i = count; i-- > 0;)
            task(i);
    }

    // Test helpers. Paths are created with every missing parent folder.
    void AddDirectory(const std::string& path, std::uint32_t attributes = kAttrDirectory);
    void AddFile(const std::string& path, const std::string& content = "",
                 std::uint32_t attributes = kAttrArchive);
    // A link at linkPath that points to target, a folder or a file.
    void AddLink(const std::string& linkPath, const std::string& target);
    // The file cannot be opened or deleted, as if another program held it open.
    void Lock(const std::string& path, bool locked = true);
    bool Exists(const std::string& path) { return Resolve(path, false) != nullptr; }
    bool IsDirectory(const std::string& path);
    std::string Content(const std::string& path);
    void SetTempPath(const std::string& path) { tempPath_ = path; }
    // Creation time given to entries made from now on.
    void SetNow(FileTime now) { now_ = now; }
    // Paths registered for deletion at restart, in order.
    const std::vector<std::string>& PendingDeletes() const { return pendingDeletes_; }
    // Every entry as "path|attributes|content", sorted; links are listed, not followed.
    std::vector<std::string> Snapshot() const;
    // Every write call made to files, in order, as (path, bytes written).
    const std::vector<std::pair<std::string, std::size_t>>& Writes() const { return writes_; }
    // Every flush of a file, in order, as (path, the file's bytes then).
    const std::vector<std::pair<std::string, std::string>>& Flushes() const { return flushes_; }

    struct Node;

  private:
    Node* Resolve(const std::vector<std::string>& parts, bool followLast);
    Node* Resolve(const std::string& path, bool followLast = true);
    // The folder a path names its leaf in; with make true, made with its missing parents.
    Node* Parent(const std::string& path, std::string& leaf, bool make = false);
    Node* MakeDirs(const std::vector<std::string>& parts);
    std::uint32_t LinkAttributes(const Node& link);
    void SnapshotNode(const Node& node, const std::string& path,
                      std::vector<std::string>& out) const;

    std::unique_ptr<Node> root_;  // children are drives ("C:")
    std::string tempPath_ = "C:\\Temp\\";
    FileTime now_ = 0;
    std::vector<std::string> pendingDeletes_;
    std::vector<std::pair<std::string, std::size_t>> writes_;
    std::vector<std::pair<std::string, std::string>> flushes_;
    friend class FakeFile;
};

}  // namespace cw::fakes
