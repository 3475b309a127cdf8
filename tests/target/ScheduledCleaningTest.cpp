// A scheduled daily cleaning from end to end: the real Clearwell.exe, started with a daily
// schedule due this minute and two items ticked, cleans their traces by itself and leaves
// an unticked item alone. The test build ticks timScheduler every second.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "demo/Traces.h"
#include "platform/win32/Win32Registry.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/Process.h"
#include "support/TestWorld.h"
#include "text/Convert.h"

namespace cw::testing {
namespace {

using namespace settings;

// Waits (bounded) until the condition holds; whether it did.
template <class Condition>
bool WaitFor(Condition condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(200);
    }
    return true;
}

TEST(ScheduledCleaningTest, DailyRunAtTheSetMinuteCleansTheTickedItems) {
    win32::Win32Registry registry;
    SettingsStore store(registry);
    DeleteKeyTree(kSettingsRoot, kSettingsKey);
    for (const char* box : kCleaningBoxes) {
        store.SetSettingString(kSettingsRoot, kSettingsKey, box, "0");
    }
    store.SetSettingString(kSettingsRoot, kSettingsKey, "chkRunMenu", "1");
    store.SetSettingString(kSettingsRoot, kSettingsKey, "chkTemp", "1");

    store.SetSettingString(kHkeyCurrentUser, kRunMruKey, "a", "notepad\\1");
    store.SetSettingString(kHkeyCurrentUser, kRunMruKey, "b", "calc\\1");
    store.SetSettingString(kHkeyCurrentUser, kRunMruKey, "MRUList", "ba");
    store.SetSettingString(kHkeyCurrentUser, kPrnPortsMruKey, "a", "LPT1:");
    std::string trace = traces::TempFolder() + "\\cw-scheduled-trace.tmp";
    WriteFile(trace, "trace");
    ASSERT_TRUE(PathExists(trace));

    SYSTEMTIME now;
    GetLocalTime(&now);
    if (now.wSecond >= 45) {  // leave the program time to start inside the minute
        Sleep((61 - now.wSecond) * 1000);
        GetLocalTime(&now);
    }
    store.SetSettingString(kSettingsRoot, kSettingsKey, kDailyScheduleTime,
                           text::FormatHHmmss(now.wHour, now.wMinute, 0));
    store.SetSettingLong(kSettingsRoot, kSettingsKey, kDailyScheduleCloseBrowser, 0);

    StartedProgram program("\"C:\\cwtest\\Clearwell.exe\"");
    ASSERT_TRUE(program.Running());
    auto cleaned = [&] {
        return !PathExists(trace) && store.GetSettingString(kHkeyCurrentUser, kRunMruKey, "MRUList",
                                                            "<none>") == "<none>";
    };
    EXPECT_TRUE(WaitFor(cleaned, 15000)) << "the scheduled run did not clean the ticked items";
    EXPECT_EQ(store.GetSettingString(kHkeyCurrentUser, kRunMruKey, "a", "<none>"), "<none>");
    EXPECT_EQ(store.GetSettingString(kHkeyCurrentUser, kRunMruKey, "b", "<none>"), "<none>");
    EXPECT_TRUE(registry.KeyExists(kHkeyCurrentUser, kRunMruKey));
    EXPECT_EQ(store.GetSettingString(kHkeyCurrentUser, kPrnPortsMruKey, "a", "<none>"), "LPT1:");
}

}  // namespace
}  // namespace cw::testing
