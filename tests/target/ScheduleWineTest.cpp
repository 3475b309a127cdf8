// A schedule on the real clock: the real Clearwell.exe, started with a daily schedule due
// this minute, cleans the ticked items by itself (the test build ticks timScheduler every
// second).

#include <windows.h>
#include <gtest/gtest.h>

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

struct ScheduleWineTest : ::testing::Test {
    void SetUp() override { DeleteKeyTree(kSettingsRoot, kSettingsKey); }
    void TearDown() override { DeleteKeyTree(kSettingsRoot, kSettingsKey); }
    // The local time once at least `needed` seconds of its minute are left.
    SYSTEMTIME NowWithSecondsLeft(int needed) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        if (now.wSecond >= 60 - needed) {
            Sleep((61 - now.wSecond) * 1000);
            GetLocalTime(&now);
        }
        return now;
    }
    void Set(const char* name, const std::string& value) {
        store.SetSettingString(kSettingsRoot, kSettingsKey, name, value);
    }
    std::string RunList(const char* name) {
        return store.GetSettingString(kHkeyCurrentUser, kRunMruKey, name, "<none>");
    }

    win32::Win32Registry registry;
    SettingsStore store{registry};
};

TEST_F(ScheduleWineTest, ClearwellCleansTheTickedItemsAtTheDailyMinute) {
    for (const char* box : kCleaningBoxes)
        Set(box, "0");
    Set("chkRunMenu", "1");
    Set("chkTemp", "1");
    store.SetSettingString(kHkeyCurrentUser, kRunMruKey, "a", "notepad\\1");
    store.SetSettingString(kHkeyCurrentUser, kRunMruKey, "b", "calc\\1");
    store.SetSettingString(kHkeyCurrentUser, kRunMruKey, "MRUList", "ba");
    store.SetSettingString(kHkeyCurrentUser, kPrnPortsMruKey, "a", "LPT1:");
    std::string trace = traces::TempFolder() + "\\cw-scheduled-trace.tmp";
    WriteFile(trace, "trace");
    ASSERT_TRUE(PathExists(trace));
    SYSTEMTIME now = NowWithSecondsLeft(15);  // time for the program to start in the minute
    Set(kDailyScheduleTime, text::FormatHHmmss(now.wHour, now.wMinute, 0));
    store.SetSettingLong(kSettingsRoot, kSettingsKey, kDailyScheduleCloseBrowser, 0);

    StartedProgram program("\"C:\\cwtest\\Clearwell.exe\"");
    ASSERT_TRUE(program.Running());
    const DWORD start = GetTickCount();
    while ((PathExists(trace) || RunList("MRUList") != "<none>") && GetTickCount() - start < 15000)
        Sleep(200);
    EXPECT_FALSE(PathExists(trace)) << "the scheduled run did not clean the ticked items";
    EXPECT_EQ(RunList("MRUList"), "<none>");
    EXPECT_EQ(RunList("a"), "<none>");
    EXPECT_EQ(RunList("b"), "<none>");
    EXPECT_TRUE(registry.KeyExists(kHkeyCurrentUser, kRunMruKey));
    EXPECT_EQ(store.GetSettingString(kHkeyCurrentUser, kPrnPortsMruKey, "a", "<none>"), "LPT1:");
}

}  // namespace
}  // namespace cw::testing
