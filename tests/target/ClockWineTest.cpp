// The local time of a file time reads on the same clock as Now(): a file made a moment ago
// is dated within the same few seconds, whatever the machine's time zone.

#include <gtest/gtest.h>
#include <windows.h>

#include "browser/FavoritesGuard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

long long SecondsOf(const LocalTime& t) {
    return MinutesBetween(LocalTime{2000, 1, 1, 6, 0, 0, 0, 0}, t) * 60 + t.second;
}

TEST(ClockWineTest, FileTimeOfANewFileReadsAsNow) {
    win32::Win32Clock clock;
    win32::Win32FileSystem fs;
    std::string folder = MakeScratchFolder("clock");
    LocalTime before = clock.Now();
    WriteFile(folder + "\\new.txt", "x");
    LocalTime after = clock.Now();
    FileTime created = 0;
    ASSERT_EQ(fs.Find(folder + "\\new.txt",
                      [&](const FindData& e) {
                          created = e.creationTime;
                          return false;
                      }),
              0);
    LocalTime local = clock.FileTimeToLocal(created);
    EXPECT_GE(SecondsOf(local), SecondsOf(before) - 2);
    EXPECT_LE(SecondsOf(local), SecondsOf(after) + 2);
}

}  // namespace
}  // namespace cw::testing
