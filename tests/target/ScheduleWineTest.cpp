// A schedule on the real clock: the real Clearwell.exe, given a daily schedule due this
// minute, cleans the ticked items by itself (the test build ticks timScheduler every second).

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
    store.SetSettingLong(kSettingsRoot, kSettingsKey, kDailyScheduleCloseBrowser, 0);
    StartedProgram program("\"C:\\cwtest\\Clearwell.exe\"");
    ASSERT_EQ(WaitForInputIdle(program.Handle(), 30000), 0u);
    // The schedule is read at every tick (each second in the test build): set once the
    // program runs, it is due this minute, or the next when this one is about to end.
    SYSTEMTIME now;
    GetLocalTime(&now);
    const int due = (now.wHour * 60 + now.wMinute + (now.wSecond >= 57)) % 1440;
    Set(kDailyScheduleTime, text::FormatHHmmss(due / 60, due % 60, 0));
    const DWORD start = GetTickCount();
    while ((PathExists(trace) || RunList("MRUList") != "<none>") && GetTickCount() - start < 15000)
        Sleep(200);
    EXPECT_FALSE(PathExists(trace)) << "the scheduled run did not clean the ticked items";
    for (const char* name : {"MRUList", "a", "b"})
        EXPECT_EQ(RunList(name), "<none>") << name;
    EXPECT_TRUE(registry.KeyExists(kHkeyCurrentUser, kRunMruKey));
    EXPECT_EQ(store.GetSettingString(kHkeyCurrentUser, kPrnPortsMruKey, "a", "<none>"), "LPT1:");
}

}  // namespace
}  // namespace cw::testing
