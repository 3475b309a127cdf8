// The FileSystem interface as the program relies on it, for the fake and under Wine.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <set>
#include <stdexcept>
#include <thread>
#include <utility>

#include "contract/ContractWorld.h"

namespace cw::contract {
namespace {

class FileSystemContractTest : public ContractTest {
  protected:
    // The names a search finds and its status.
    std::pair<std::set<std::string>, long> Search(const std::string& pattern) {
        std::set<std::string> names;
        long status = fs_.Find(pattern, [&](const FindData& d) {
            names.insert(d.name);
            return true;
        });
        return {names, status};
    }
    std::set<std::string> Names(const std::string& pattern) { return Search(pattern).first; }

    FileSystem& fs_ = world.fs();
};

TEST_F(FileSystemContractTest, SearchesMatchAsFindFirstFileDoes) {
    std::string root = world.Root("wildcards");
    for (const char* name : {"a.txt", "a.txtx", "b.TXT", "noext", "long name.html", "x.tx"}) {
        WriteFile(fs_, root + "\\" + name, "");
    }
    using S = std::set<std::string>;
    // The short name of "a.txtx" ends in .TXT and that of "long name.html" in .HTM.
    EXPECT_EQ(Names(root + "\\*.txt"), (S{"a.txt", "a.txtx", "b.TXT"}));
    EXPECT_EQ(Names(root + "\\*.htm"), (S{"long name.html"}));
    EXPECT_EQ(Names(root + "\\*.*"),
              (S{".", "..", "a.txt", "a.txtx", "b.TXT", "noext", "long name.html", "x.tx"}));
    EXPECT_EQ(Names(root + "\\?.tx"), (S{"x.tx"}));
    EXPECT_EQ(Names(root + "\\a.txt?"), (S{"a.txtx"}));
    EXPECT_EQ(Names(root + "\\NOEXT"), (S{"noext"}));
}

TEST_F(FileSystemContractTest, AFolderIsFoundByItsPathButNotWithATrailingBackslash) {
    std::string root = world.Root("folders");
    fs_.CreateFolder(root + "\\dir");
    using Found = std::pair<std::set<std::string>, long>;
    EXPECT_EQ(Search(root + "\\dir"), Found({"dir"}, 0));
    EXPECT_EQ(Search(root + "\\dir\\"), Found({}, kErrorFileNotFound));
    EXPECT_EQ(Search(root + "\\dir\\nothing*"), Found({}, kErrorFileNotFound));
    EXPECT_EQ(Search(root + "\\missing\\*"), Found({}, kErrorPathNotFound));
    EXPECT_EQ(fs_.CreateFolder(root + "\\dir"), kErrorAlreadyExists);
    EXPECT_EQ(fs_.CreateFolder(root + "\\missing\\dir"), kErrorPathNotFound);
    WriteFile(fs_, root + "\\dir\\f", "x");
    EXPECT_EQ(fs_.RemoveFolder(root + "\\dir"), kErrorDirNotEmpty);
    EXPECT_EQ(fs_.Delete(root + "\\dir"), kErrorAccessDenied) << "a folder is no file";
    EXPECT_EQ(fs_.Delete(root + "\\dir\\f"), 0);
    EXPECT_EQ(fs_.RemoveFolder(root + "\\dir"), 0);
    EXPECT_EQ(fs_.GetAttributes(root + "\\dir"), kInvalidAttributes);
}

TEST_F(FileSystemContractTest, AttributesGuardDeletionAndFilesInUseCannotBeTouched) {
    std::string root = world.Root("attributes");
    for (const char* name : {"\\ro", "\\hidden", "\\busy"})
        WriteFile(fs_, root + name);
    ASSERT_EQ(fs_.SetAttributes(root + "\\ro", kAttrReadOnly), 0);
    ASSERT_EQ(fs_.SetAttributes(root + "\\hidden", kAttrHidden | kAttrSystem), 0);
    EXPECT_EQ(fs_.Delete(root + "\\ro"), kErrorAccessDenied);
    // Opening a read-only file for writing is refused by Windows, but Wine lets a process
    // that runs as root through (it keeps the flag in Unix permissions): not fixed here.
    std::unique_ptr<File> file;
    EXPECT_EQ(fs_.Open(root + "\\ro", OpenMode::Read, file), 0);
    file.reset();
    bool sawHidden = false;
    fs_.Find(root + "\\*", [&](const FindData& d) {
        if (d.name == "hidden")
            sawHidden = (d.attributes & kAttrHidden) && (d.attributes & kAttrSystem);
        return true;
    });
    EXPECT_TRUE(sawHidden);
    ASSERT_EQ(fs_.SetAttributes(root + "\\ro", kAttrNormal), 0);
    EXPECT_EQ(fs_.GetAttributes(root + "\\ro") & kAttrReadOnly, 0u);
    EXPECT_EQ(fs_.Delete(root + "\\ro"), 0);

    world.HoldOpen(root + "\\busy");
    EXPECT_EQ(fs_.Delete(root + "\\busy"), kErrorSharingViolation);
    EXPECT_EQ(fs_.Open(root + "\\busy", OpenMode::Read, file), kErrorSharingViolation);
    world.ReleaseAll();
    EXPECT_EQ(fs_.Delete(root + "\\busy"), 0);
    EXPECT_EQ(fs_.Delete(root + "\\busy"), kErrorFileNotFound);
}

TEST_F(FileSystemContractTest, OpenModesReadWriteAndKeepWhatTheyShould) {
    std::string root = world.Root("modes");
    std::string path = root + "\\f.bin";
    WriteFile(fs_, path, "0123456789");
    std::unique_ptr<File> file;
    ASSERT_EQ(fs_.Open(path, OpenMode::ReadWrite, file), 0);
    ASSERT_EQ(file->Seek(5), 0);
    ASSERT_EQ(file->Write("X", 1), 0);
    file.reset();
    EXPECT_EQ(ReadFile(fs_, path), "01234X6789") << "writing does not truncate";
    EXPECT_EQ(fs_.Open(root + "\\none", OpenMode::Read, file), kErrorFileNotFound);
    EXPECT_EQ(fs_.Open(root + "\\none\\f", OpenMode::CreateAlways, file), kErrorPathNotFound);
}

TEST_F(FileSystemContractTest, MovingReplacesOnlyWithTheFlagAndNeverAFileHeldOpen) {
    std::string root = world.Root("moves");
    WriteFile(fs_, root + "\\a", "new");
    WriteFile(fs_, root + "\\b", "old");
    EXPECT_NE(fs_.Move(root + "\\a", root + "\\b", 0), 0) << "no replace without the flag";
    EXPECT_EQ(fs_.Move(root + "\\a", root + "\\b", kMoveReplaceExisting), 0);
    EXPECT_EQ(ReadFile(fs_, root + "\\b"), "new");
    EXPECT_EQ(fs_.GetAttributes(root + "\\a"), kInvalidAttributes);
    WriteFile(fs_, root + "\\c", "new");
    world.HoldOpen(root + "\\c");
    WriteFile(fs_, root + "\\d", "held");
    EXPECT_NE(fs_.Move(root + "\\d", root + "\\c", kMoveReplaceExisting), 0) << "c is held open";
    world.ReleaseAll();
    EXPECT_EQ(ReadFile(fs_, root + "\\c"), "new");
    EXPECT_EQ(ReadFile(fs_, root + "\\d"), "held");
}

// A wipe deletes what a folder's listing gave while the listing goes on: every entry is
// still listed once, and a folder can be removed once what it held is gone.
TEST_F(FileSystemContractTest, EntriesDeletedWhileTheirFolderIsListedLeaveTheRestListedOnce) {
    const std::string root = world.Root("list-delete");
    constexpr int kFiles = 300;
    for (int i = 0; i < kFiles; ++i)
        WriteFile(fs_, root + "\\f" + std::to_string(i));
    std::vector<std::string> listed, pending;
    int deleted = 0;
    auto deletePending = [&] {
        for (const std::string& name : pending)
            deleted += fs_.Delete(root + "\\" + name) == kErrorSuccess;
        pending.clear();
    };
    fs_.Find(root + "\\*", [&](const FindData& d) {
        if (d.name == "." || d.name == "..") return true;
        listed.push_back(d.name);
        pending.push_back(d.name);
        if (pending.size() == 64) deletePending();
        return true;
    });
    deletePending();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(std::unique(listed.begin(), listed.end()), listed.end()) << "an entry listed twice";
    EXPECT_EQ(std::tuple(listed.size(), deleted), std::tuple(std::size_t{kFiles}, kFiles));
    EXPECT_EQ(fs_.RemoveFolder(root), kErrorSuccess);
}

// Deleting files side by side: every task runs once, and a task's exception reaches the
// caller only when no other task is still running.
TEST_F(FileSystemContractTest, RunEachRunsEveryTaskOnceAndPassesOnAThrownError) {
    const std::string root = world.Root("run-each");
    constexpr std::size_t kFiles = 40;
    auto name = [&](std::size_t i) { return root + "\\f" + std::to_string(i); };
    for (std::size_t i = 0; i < kFiles; ++i)
        WriteFile(fs_, name(i));
    std::vector<std::atomic<int>> calls(kFiles);
    std::vector<long> status(kFiles, -1);
    fs_.RunEach(kFiles, [&](std::size_t i) {
        ++calls[i];
        status[i] = fs_.Delete(name(i));
    });
    for (std::size_t i = 0; i < kFiles; ++i)
        EXPECT_EQ(std::pair(calls[i].load(), status[i]), std::pair(1, 0L)) << i;
    EXPECT_EQ(Names(root + "\\f*"), std::set<std::string>{});

    // Task 0 throws while task 1 is still at work where they run side by side.
    std::atomic<bool> thrown{false};
    std::atomic<int> running{0};
    auto wait = [](const std::function<bool()>& until) {
        for (int ms = 0; !until() && ms < 100; ++ms)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    auto task = [&](std::size_t i) {
        ++running;
        if (i == 0) {
            wait([&] { return running >= 2; });
            --running;
            thrown = true;
            throw std::runtime_error("task 0");
        }
        if (i == 1) {
            wait([&] { return thrown.load(); });
            if (thrown) std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        --running;
    };
    EXPECT_THROW(fs_.RunEach(kFiles, task), std::runtime_error);
    EXPECT_EQ(running.load(), 0);
}

}  // namespace
}  // namespace cw::contract
