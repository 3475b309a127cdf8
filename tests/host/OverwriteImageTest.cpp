#include <gtest/gtest.h>

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

TEST(OverwriteImageTest, EachRunRepeatsNTimesBeforeTheFixedRuns) {
    EXPECT_THROW(RepetitionCount(400), RuntimeError);  // past 16 bits: overflow, not a wrap
    EXPECT_EQ(RepetitionCount(-1), -100);
    EXPECT_EQ(RepetitionCount(4), 400);
    const std::string ten("\x0A\0\0\0", 4);
    auto twice = [](const std::string& unit) { return unit + unit; };
    std::string image = twice(ten) + twice("\xEA\xDE") + twice("\x31\xE7");
    for (int i = 0; i < 10; ++i)
        image += twice("10");
    for (const char* unit : {".", ".", "V", "e", "r", "\x97", "1", ".", "0", ".", "0"})
        image += twice(unit);
    image += Repeated(ten, 4 * (6 + 110)) + std::string(2, '\0');
    EXPECT_TRUE(BuildOverwriteImage(2) == image);
    for (std::int16_t n : {-100, 0, 2, 400, 1000})
        EXPECT_EQ(BuildOverwriteImage(n).size(), OverwriteImageSize(n)) << n;
    EXPECT_EQ(OverwriteImageSize(-100), 440u);
    EXPECT_EQ(OverwriteImageSize(400), 21240u);
    EXPECT_EQ(BuildOverwriteImage(0), Repeated(ten, 440));
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

TEST_F(FileOverwriterTest, LargeFilesAreWrittenInFewLargeBlocksWithoutSeamsAndFlushedFirst) {
    // A few blocks of the default level's image (three whole images to a block): the
    // repetition must run on across the block boundaries, and each write is large.
    const std::size_t length = 3 * FileOverwriter::kTargetBlockBytes + 12345;
    fs.AddFile("C:\\d\\big.bin", std::string(length, 'x'));
    overwriter.OverwriteAndDelete("C:\\d\\big.bin", 400);
    EXPECT_LE(WritesTo("C:\\d\\big.bin"), 4u);
    for (const auto& w : fs.Writes())
        EXPECT_LE(w.second, FileOverwriter::kTargetBlockBytes);

    // The image of the default level goes out in one write.
    fs.AddFile("C:\\d\\small.txt", "abc");
    overwriter.OverwriteAndDelete("C:\\d\\small.txt", 400);
    EXPECT_EQ(WritesTo("C:\\d\\small.txt"), 1u);
    // Each file reaches the disk overwritten whole before it is deleted.
    const std::string image = BuildOverwriteImage(400);
    EXPECT_TRUE(fs.Flushes() ==
                (std::vector<std::pair<std::string, std::string>>{
                    {"C:\\d\\big.bin", Repeated(image, length)}, {"C:\\d\\small.txt", image}}));
    EXPECT_FALSE(fs.Exists("C:\\d\\big.bin") || fs.Exists("C:\\d\\small.txt"));
}
}  // namespace
}  // namespace cw
