// Random trees, random targets: DeleteFolderTree never changes anything outside the folder
// it is given, whatever the tree holds (links included).

#include <gtest/gtest.h>

#include <random>

#include "contract/Services.h"
#include "text/Ansi.h"

namespace cw::testing {
namespace {

struct RandomTree {
    std::vector<std::string> folders{"C:\\r"};
    std::vector<std::string> files;
};

RandomTree Build(fakes::FakeFileSystem& fs, std::mt19937& rng) {
    RandomTree tree;
    fs.AddDirectory("C:\\r");
    std::uniform_int_distribution<int> pick(0, 99);
    const char* names[] = {"a", "b.txt", "c.dat", "pagefile.sys", "Pagefile.sys", "d e.htm", "x"};
    for (int i = 0; i < 40; ++i) {
        const std::string& parent = tree.folders[pick(rng) % tree.folders.size()];
        std::string name = std::string(names[pick(rng) % 7]) + std::to_string(i % 3);
        int kind = pick(rng);
        if (kind < 30) {
            tree.folders.push_back(parent + "\\" + name);
            fs.AddDirectory(tree.folders.back(),
                            pick(rng) < 10 ? kAttrDirectory | kAttrHidden : kAttrDirectory);
        } else if (kind < 40 && tree.folders.size() > 1) {
            // A link to some other folder of the tree.
            fs.AddLink(parent + "\\link" + std::to_string(i),
                       tree.folders[pick(rng) % tree.folders.size()]);
        } else {
            const std::uint32_t extra[] = {kAttrReadOnly, kAttrHidden, kAttrSystem, 0, 0, 0};
            tree.files.push_back(parent + "\\" + name);
            fs.AddFile(tree.files.back(), "data" + std::to_string(i),
                       kAttrArchive | extra[pick(rng) % 6]);
            if (pick(rng) < 8) fs.Lock(tree.files.back());
        }
    }
    return tree;
}

// Entries outside the target folder (the target's own entry and everything below it left
// out), as a snapshot.
std::vector<std::string> Outside(const std::vector<std::string>& snapshot,
                                 const std::string& target) {
    // Names compare without regard to case, as the file system does.
    const std::string upperTarget = text::UpperAnsi(target);
    std::vector<std::string> out;
    for (const std::string& line : snapshot) {
        std::string path = text::UpperAnsi(line.substr(0, line.find('|')));
        if (path != upperTarget && path.rfind(upperTarget + "\\", 0) != 0) out.push_back(line);
    }
    return out;
}

TEST(FileRoutinesPropertyTest, NothingOutsideTheTargetChanges) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        Services<FakePlatform> s;
        fakes::FakeFileSystem& fs = s.fs;
        FileRoutines& files = s.files;
        RandomTree tree = Build(fs, rng);
        std::string target = tree.folders[rng() % tree.folders.size()];
        std::vector<std::string> before = Outside(fs.Snapshot(), target);
        files.DeleteFolderTree(target);
        ASSERT_EQ(Outside(fs.Snapshot(), target), before)
            << "seed " << seed << " target " << target;
    }
}

}  // namespace
}  // namespace cw::testing
