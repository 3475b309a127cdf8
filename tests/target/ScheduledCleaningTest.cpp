// A scheduled daily cleaning from end to end: the real Clearwell.exe, started with a daily
// schedule due this minute and two items ticked, cleans their traces by itself and leaves
// an unticked item alone. The test build ticks timScheduler every second.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/TestWorld.h"
#include "text/Convert.h"

namespace cw::testing {
namespace {

using namespace settings;

constexpr char kRunMru[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
constexpr char kPrinterPortsMru[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\PrnPortsMRU";

std::string TempFolder() {
    char buffer[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, buffer);
    return buffer;
}

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

class RunningProgram {
  public:
    explicit RunningProgram(const std::string& path) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        std::string line = "\"" + path + "\"";
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &info)) {
            process_.reset(info.hProcess);
            win32::KernelHandle thread(info.hThread);
        }
    }
    ~RunningProgram() {
        if (!process_) return;
        TerminateProcess(process_.get(), 0);
        WaitForSingleObject(process_.get(), 5000);
    }
    bool Started() const { return static_cast<bool>(process_); }

  private:
    win32::KernelHandle process_;
};

TEST(ScheduledCleaningTest, DailyRunAtTheSetMinuteCleansTheTickedItems) {
    win32::Win32Registry registry;
    SettingsStore store(registry);
    DeleteKeyTree(kSettingsRoot, kSettingsKey);
    for (const char* box : kCleaningBoxes) {
        store.SetSettingString(kSettingsRoot, kSettingsKey, box, "0");
    }
    store.SetSettingString(kSettingsRoot, kSettingsKey, "chkRunMenu", "1");
    store.SetSettingString(kSettingsRoot, kSettingsKey, "chkTemp", "1");

    store.SetSettingString(kHkeyCurrentUser, kRunMru, "a", "notepad\\1");
    store.SetSettingString(kHkeyCurrentUser, kRunMru, "b", "calc\\1");
    store.SetSettingString(kHkeyCurrentUser, kRunMru, "MRUList", "ba");
    store.SetSettingString(kHkeyCurrentUser, kPrinterPortsMru, "a", "LPT1:");
    std::string trace = TempFolder() + "cw-scheduled-trace.tmp";
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

    RunningProgram program("C:\\cwtest\\Clearwell.exe");
    ASSERT_TRUE(program.Started());
    auto cleaned = [&] {
        return !PathExists(trace) &&
               store.GetSettingString(kHkeyCurrentUser, kRunMru, "MRUList", "<none>") == "<none>";
    };
    EXPECT_TRUE(WaitFor(cleaned, 15000)) << "the scheduled run did not clean the ticked items";
    EXPECT_EQ(store.GetSettingString(kHkeyCurrentUser, kRunMru, "a", "<none>"), "<none>");
    EXPECT_EQ(store.GetSettingString(kHkeyCurrentUser, kRunMru, "b", "<none>"), "<none>");
    EXPECT_TRUE(registry.KeyExists(kHkeyCurrentUser, kRunMru));
    EXPECT_EQ(store.GetSettingString(kHkeyCurrentUser, kPrinterPortsMru, "a", "<none>"), "LPT1:");
}

}  // namespace
}  // namespace cw::testing
