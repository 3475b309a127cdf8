// The schedule timer on the real clock, the real registry and real WM_TIMER messages: the
// weekday and time of GetLocalTime match what the settings window stores.

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Registry.h"
#include "schedule/ScheduleTimer.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/TestWorld.h"
#include "text/Convert.h"

namespace cw::testing {
namespace {

using namespace settings;

// Ticks the timer from WM_TIMER messages of a thread timer for the given time.
void PumpTicks(ui::Timer& timer, DWORD forMs) {
    UINT_PTR id = SetTimer(nullptr, 0, 100, nullptr);
    DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < forMs) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_TIMER && msg.wParam == id) timer.Tick();
        }
        Sleep(20);
    }
    KillTimer(nullptr, id);
}

TEST(ScheduleTimerClockTest, WeeklyAndDailyDueNowRunOnceEachInThatOrder) {
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
    PumpTicks(timScheduler, 2000);
    DeleteKeyTree(kSettingsRoot, kSettingsKey);
    EXPECT_EQ(kinds, (std::vector<int>{kWeeklyScheduleKind, kDailyScheduleKind}));
}

}  // namespace
}  // namespace cw::testing
