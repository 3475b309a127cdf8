// The file and folder routines on the fake file system and on real files under Wine.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "clean/PlanTargets.h"
#include "contract/ContractWorld.h"
#include "errors/RuntimeError.h"
#include "files/FileRoutines.h"
#include "files/Paths.h"
#include "shred/TreeShredder.h"

namespace cw::contract {
namespace {

class FileRoutinesContractTest : public ContractTest {
  protected:
    void MakeFolders(const std::string& path) {
        for (std::size_t i = 3; i <= path.size(); ++i) {
            if (i == path.size() || path[i] == '\\') fs_.CreateFolder(path.substr(0, i));
        }
    }
    bool Exists(const std::string& path) { return fs_.GetAttributes(path) != kInvalidAttributes; }

    FileSystem& fs_ = world.fs();
    PathGuard guard_{world.folders(), fs_};
    FileRoutines files_{fs_, guard_};
};

TEST_F(FileRoutinesContractTest, RefusedPathsDeleteNothing) {
    std::string root = world.Root("refused");
    WriteFile(fs_, root + "\\keep.txt");
    for (const std::string& path :
         {std::string(""), std::string("\\"), std::string("C:"), std::string("C:\\"),
          std::string("refused"), std::string("scratch\\refused"), root.substr(2),
          std::string("   ")}) {
        EXPECT_FALSE(files_.DeleteFolderTree(path)) << "'" << path << "'";
    }
    EXPECT_TRUE(Exists(root + "\\keep.txt"));
    std::set<std::string> protectedFolders;
    for (int csidl :
         {kCsidlWindows, kCsidlSystem, kCsidlProgramFiles, kCsidlProfile, kCsidlDesktopDirectory,
          kCsidlPersonal, kCsidlAppData, kCsidlLocalAppData, kCsidlFavorites, kCsidlStartMenu}) {
        std::string folder;
        if (world.folders().GetFolderPath(csidl, folder)) protectedFolders.insert(folder);
    }
    ASSERT_GE(protectedFolders.size(), 8u);
    for (const std::string& folder : protectedFolders) {
        MakeFolders(folder);
        WriteFile(fs_, folder + "\\cw-marker.txt");
        for (const std::string& path : {folder, folder + "\\", FolderPart(folder)})
            EXPECT_FALSE(files_.DeleteFolderTree(path)) << path;
        EXPECT_TRUE(Exists(folder + "\\cw-marker.txt")) << folder;
        fs_.Delete(folder + "\\cw-marker.txt");
    }
}

TEST_F(FileRoutinesContractTest, CheckFolderAcceptsATrailingBackslash) {
    std::string root = world.Root("check");
    MakeFolders(root + "\\dir");
    WriteFile(fs_, root + "\\file.txt");
    EXPECT_TRUE(files_.CheckFolder(root + "\\dir\\"));
    EXPECT_TRUE(files_.CheckFolder(root + "\\dir"));
    EXPECT_TRUE(files_.CheckFolder(root + "\\file.txt")) << "files are found as well";
    EXPECT_FALSE(files_.CheckFolder(root + "\\none\\"));
    EXPECT_TRUE(files_.FileExists(root + "\\*.txt"));
    EXPECT_FALSE(files_.FileExists(root + "\\*.doc"));
    EXPECT_TRUE(files_.CanOpenFile(root + "\\file.txt"));
    EXPECT_FALSE(files_.CanOpenFile(root + "\\dir"));
}

TEST_F(FileRoutinesContractTest, DeleteFolderTreeTakesReadOnlyContent) {
    std::string target = world.Root("tree") + "\\t";
    MakeFolders(target + "\\a\\b");
    WriteFile(fs_, target + "\\a\\b\\ro");
    fs_.SetAttributes(target + "\\a\\b\\ro", kAttrReadOnly);
    WriteFile(fs_, target + "\\top");
    EXPECT_TRUE(files_.DeleteFolderTree(target + "\\"));
    EXPECT_FALSE(Exists(target));
    EXPECT_FALSE(files_.DeleteFolderTree(target)) << "a missing folder reports false";
}

// A folder link lists as a folder and a reparse point; the file functions follow it, but
// nothing is changed through it. (Which routine leaves what lies behind it alone is checked
// routine by routine below.)
TEST_F(FileRoutinesContractTest, AFolderLinkIsFollowedButNeverChangedThrough) {
    std::string target = world.Root("links") + "\\t";
    MakeFolders(target + "\\sub");
    WriteFile(fs_, target + "\\f.txt");
    world.MakeOutsideLink(target + "\\link", "routines-link", {"one.txt", "two.dat"});
    const std::vector<std::string> outside = {"one.txt", "two.dat"};
    const std::uint32_t linkBits = kAttrDirectory | kAttrReparsePoint;
    EXPECT_EQ(fs_.GetAttributes(target + "\\link") & linkBits, linkBits);
    bool listedAsLink = false;
    fs_.Find(target + "\\*", [&](const FindData& d) {
        if (d.name == "link") listedAsLink = d.IsReparsePoint() && d.IsDirectory();
        return true;
    });
    EXPECT_TRUE(listedAsLink);
    EXPECT_EQ(ReadFile(fs_, target + "\\link\\one.txt"), "kept");
    EXPECT_TRUE(fs_.IsLink(target + "\\link"));
    EXPECT_TRUE(fs_.IsLink(target + "\\link\\one.txt")) << "reached through a link";
    EXPECT_FALSE(fs_.IsLink(target + "\\sub"));

    EXPECT_EQ(fs_.SetAttributes(target + "\\link", kAttrReadOnly), kErrorAccessDenied);
    EXPECT_EQ(fs_.SetAttributes(target + "\\link\\one.txt", kAttrReadOnly), kErrorAccessDenied);
    EXPECT_EQ(fs_.GetAttributes(target + "\\link\\one.txt") & kAttrReadOnly, 0u);
    EXPECT_FALSE(files_.DeleteFolderTree(target)) << "the link stays, so the folder stays";
    EXPECT_FALSE(Exists(target + "\\f.txt"));
    EXPECT_FALSE(files_.DeleteFolderTree(target + "\\link"));
    EXPECT_EQ(world.OutsideNames("routines-link"), outside);
}

// Every routine that changes files, handed a link to a file outside (or a folder holding
// one, and a link to a folder outside), leaves what lies behind the links as it was: no
// deletion, no write, no truncation, no attribute. The calls that refuse a link before they
// act (Delete, CreateAlways, SetAttributes, a move away) are checked by their answer below,
// DeleteFolderTree above.
TEST_F(FileRoutinesContractTest, ALinkToAFileOutsideIsLeftAloneByEveryRoutineThatChangesFiles) {
    using Run = std::function<void(const std::string& folder, const std::string& link)>;
    auto raising = [](const std::function<void()>& run) {
        try {
            run();
        } catch (const RuntimeError&) {
        }
    };
    TreeShredder shredder{files_};
    const std::vector<std::pair<const char*, Run>> routines = {
        {"Open ReadWrite",
         [&](auto&, auto& link) {
             std::unique_ptr<File> file;
             if (fs_.Open(link, OpenMode::ReadWrite, file) == 0) file->Write("X", 1);
         }},
        {"Move onto",
         [&](auto& folder, auto& link) {
             WriteFile(fs_, folder + "\\new", "new");
             fs_.Move(folder + "\\new", link, kMoveReplaceExisting);
         }},
        {"ShredFile", [&](auto&, auto& link) { raising([&] { shredder.ShredFile(link, 400); }); }},
        {"ShredFilesIn", [&](auto& folder, auto&) { shredder.ShredFilesIn(folder, 400); }},
        {"a wipe's files side by side",
         [&](auto& folder, auto&) {
             for (int n = 0; n < 12; ++n)
                 WriteFile(fs_, folder + "\\f" + std::to_string(n));
             CleaningPlan plan;
             PlanTreeContents(plan, fs_, folder, TreeRules{});
             EXPECT_EQ(CarryOut(plan).left.links, 2);
             std::vector<std::string> left = Listing(fs_, folder);
             std::sort(left.begin(), left.end());
             EXPECT_EQ(left, (std::vector<std::string>{"dir", "link.txt"}));
         }},
        {"a folder's subfolders, one tree each",
         [&](auto& folder, auto&) {
             MakeFolders(folder + "\\sub\\deeper");
             WriteFile(fs_, folder + "\\sub\\deeper\\f");
             std::vector<FindData> entries;
             fs_.Find(folder + "\\*", [&](const FindData& entry) {
                 entries.push_back(entry);
                 return true;
             });
             CleaningPlan plan;
             for (const FindData& entry : entries)
                 PlanSubfolderTree(plan, fs_, folder, entry, TreeRules{});
             for (const CleaningTarget& target : plan.targets)
                 EXPECT_EQ(target.where.find("\\dir"), std::string::npos) << "not walked into";
             CarryOut(plan);
             EXPECT_FALSE(Exists(folder + "\\sub"));
         }},
    };
    int i = 0;
    for (const auto& [name, run] : routines) {
        const std::string root = world.Root("file-link-" + std::to_string(++i));
        const std::string outside = "file-link-" + std::to_string(i);
        MakeFolders(root + "\\t");
        // The outside file is read back through a second link the routine is not handed.
        world.MakeOutsideFileLink(root + "\\reader", outside, "secret.txt");
        world.MakeOutsideFileLink(root + "\\t\\link.txt", outside, "secret.txt");
        world.MakeOutsideLink(root + "\\t\\dir", outside + "-dir", {"inner.txt"});
        run(root + "\\t", root + "\\t\\link.txt");
        EXPECT_EQ(world.OutsideNames(outside), std::vector<std::string>{"secret.txt"}) << name;
        EXPECT_EQ(world.OutsideNames(outside + "-dir"), std::vector<std::string>{"inner.txt"})
            << name;
        EXPECT_EQ(ReadFile(fs_, root + "\\reader"), "kept") << name;
        EXPECT_EQ(fs_.GetAttributes(root + "\\reader") & (kAttrReadOnly | kAttrHidden), 0u) << name;
    }
}

// A link whose target does not exist yet: opening it to write creates nothing behind it.
TEST_F(FileRoutinesContractTest, ALinkToAMissingFileOutsideCreatesNothingThere) {
    const std::string root = world.Root("dangling-link");
    world.MakeOutsideFileLink(root + "\\link.txt", "dangling-link", "missing.txt", false);
    for (OpenMode mode : {OpenMode::ReadWrite, OpenMode::CreateAlways}) {
        std::unique_ptr<File> file;
        if (fs_.Open(root + "\\link.txt", mode, file) == 0) file->Write("X", 1);
        file.reset();
        EXPECT_EQ(world.OutsideNames("dangling-link"), std::vector<std::string>{})
            << static_cast<int>(mode);
    }
}

// A link to a file lists as the file it points to; it reads, but every change through it is
// refused as access denied.
TEST_F(FileRoutinesContractTest, AFileLinkReadsButRefusesChangesAsAccessDenied) {
    const std::string root = world.Root("file-link-status");
    world.MakeOutsideFileLink(root + "\\link.txt", "file-link-status", "secret.txt");
    EXPECT_TRUE(fs_.IsLink(root + "\\link.txt"));
    EXPECT_FALSE(fs_.IsLink(root + "\\plain.txt"));
    const std::uint32_t attributes = fs_.GetAttributes(root + "\\link.txt");
    EXPECT_EQ(attributes & (kAttrDirectory | kAttrReparsePoint), 0u) << attributes;
    std::unique_ptr<File> file;
    EXPECT_EQ(fs_.Open(root + "\\link.txt", OpenMode::Read, file), 0);
    file.reset();
    EXPECT_EQ(fs_.Delete(root + "\\link.txt"), kErrorAccessDenied);
    EXPECT_EQ(fs_.Open(root + "\\link.txt", OpenMode::CreateAlways, file), kErrorAccessDenied);
    EXPECT_EQ(fs_.SetAttributes(root + "\\link.txt", kAttrReadOnly), kErrorAccessDenied);
    EXPECT_EQ(fs_.Move(root + "\\link.txt", root + "\\moved.txt", 0), kErrorAccessDenied);
}

}  // namespace
}  // namespace cw::contract
