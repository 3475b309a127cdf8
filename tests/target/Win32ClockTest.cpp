// The real clock: the local time of a file time reads on the same clock as Now(), whatever the
// machine's time zone, and the weekday and time of GetLocalTime match what the settings window
// stores, so a schedule due now runs from real WM_TIMER messages.

#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "browser/FavoritesGuard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "schedule/ScheduleTimer.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/TestWorld.h"
#include "support/TimerPump.h"
#include "text/Convert.h"

namespace cw::testing {
namespace {

using namespace settings;

long long SecondsOf(const LocalTime& t) {
    return MinutesBetween(LocalTime{2000, 1, 1, 6, 0, 0, 0, 0}, t) * 60 + t.second;
}

TEST(Win32ClockTest, FileTimeOfANewFileReadsAsNow) {
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

TEST(Win32ClockTest, WeeklyAndDailyScheduleDueNowRunOnceEachInThatOrder) {
    DeleteKeyTree(kSettingsRoot, kSettingsKey);
    SYSTEMTIME now;
    GetLocalTime(&now);
    if (now.wSecond >= 55) {  // keep the whole check inside one minute
        Sleep((61 - now.wSecond) * 1000);
        GetLocalTime(&now);
    }
    std::string minute = text::FormatHHmmss(now.wHour, now.wMinute, 0);
    win32::Win32Registry registry;
    SettingsStore store(registry);
    store.SetSettingLong(kSettingsRoot, kSettingsKey, kWeeklyScheduleDay, now.wDayOfWeek + 1);
    store.SetSettingString(kSettingsRoot, kSettingsKey, kWeeklyScheduleTime, minute);
    store.SetSettingString(kSettingsRoot, kSettingsKey, kDailyScheduleTime, minute);

    win32::Win32Clock clock;
    ui::Timer timScheduler("timScheduler", 10000, true);
    std::vector<int> kinds;
    ScheduleTimer timer(timScheduler, store, clock,
                        [&](std::int16_t kind) { kinds.push_back(kind); });
    PumpTimers({&timScheduler}, 2500);
    DeleteKeyTree(kSettingsRoot, kSettingsKey);
    EXPECT_EQ(kinds, (std::vector<int>{kWeeklyScheduleKind, kDailyScheduleKind}));
}

}  // namespace
}  // namespace cw::testing
