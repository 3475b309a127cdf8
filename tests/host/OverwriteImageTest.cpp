#include <gtest/gtest.h>

#include "contract/OverwriteImageTable.h"
#include "errors/RuntimeError.h"
#include "fakes/FakeFileSystem.h"
#include "shred/FileOverwriter.h"
#include "shred/OverwriteImage.h"

namespace cw {
namespace {

std::string Repeated(const std::string& image, std::size_t length) {
    std::string out;
    while (out.size() < length)
        out += image;
    out.resize(length);
    return out;
}

TEST(OverwriteImageTest, EveryLevelGivesTheTablesRunsAndLength) {
    EXPECT_THROW(RepetitionCount(400), RuntimeError);  // past 16 bits: overflow, not a wrap
    for (int position = -1; position <= 10; ++position) {
        std::int16_t n = RepetitionCount(position);
        std::string image = BuildOverwriteImage(n);
        EXPECT_EQ(image.size(), OverwriteImageSize(n)) << position;
        EXPECT_EQ(testing::MismatchAgainstTable(image, n), "") << "position " << position;
    }
    EXPECT_EQ(OverwriteImageSize(-100), 440u);
    EXPECT_EQ(OverwriteImageSize(0), 440u);
    EXPECT_EQ(OverwriteImageSize(400), 21240u);
    EXPECT_EQ(OverwriteImageSize(1000), 52440u);
    EXPECT_EQ(BuildOverwriteImage(0), Repeated(std::string("\x0A\0\0\0", 4), 440));
}

struct FileOverwriterTest : ::testing::Test {
    fakes::FakeFileSystem fs;
    FileOverwriter overwriter{fs};

    std::size_t WritesTo(const std::string& path) {
        std::size_t n = 0;
        for (const auto& w : fs.Writes())
            n += w.first == path;
        return n;
    }
};

TEST_F(FileOverwriterTest, LargeFilesAreWrittenInFewLargeBlocksWithoutSeams) {
    // Three and a half blocks of the largest image: the repetition must run on across the
    // block boundaries, and each write is large.
    const std::size_t length = 3 * FileOverwriter::kTargetBlockBytes + 123457;
    fs.AddFile("C:\\d\\big.bin", std::string(length, 'x'));
    overwriter.Overwrite("C:\\d\\big.bin", 1000);
    EXPECT_TRUE(fs.Content("C:\\d\\big.bin") == Repeated(BuildOverwriteImage(1000), length));
    EXPECT_LE(WritesTo("C:\\d\\big.bin"), 5u);
    for (const auto& w : fs.Writes())
        EXPECT_LE(w.second, FileOverwriter::kTargetBlockBytes);

    // The image of the default level goes out in one write. (What reaches a real disk, file
    // by file and level by level, is read back under Wine: target ShredderTest.)
    fs.AddFile("C:\\d\\small.txt", "abc");
    overwriter.Overwrite("C:\\d\\small.txt", 400);
    EXPECT_EQ(WritesTo("C:\\d\\small.txt"), 1u);
    // Each overwrite reaches the disk before the file is handed back for deletion.
    EXPECT_EQ(fs.Flushes(), (std::vector<std::string>{"C:\\d\\big.bin", "C:\\d\\small.txt"}));
}

// (A read-only file reported and left as it was, on a real disk: target ShredderTest.)
}  // namespace
}  // namespace cw
