// The About window's System Info button with the real registry, file system and process
// start: where Windows records the System Information program decides what starts.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "fakes/RecordingErrorSink.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "support/TestWorld.h"
#include "sysinfo/AboutWindow.h"

namespace cw::testing {
namespace {

// The real process start, counted.
struct CountingShell : win32::Win32ShellExecute {
    int starts = 0;
    bool StartProcess(const std::string& commandLine, int showCommand) override {
        ++starts;
        return Win32ShellExecute::StartProcess(commandLine, showCommand);
    }
};

BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int VisibleWindowsOfThisProcess() {
    int count = 0;
    EnumWindows(CountVisible, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Waits up to 20 seconds for a file to appear.
bool AppearsWithin20s(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        if (PathExists(path)) return true;
        Sleep(100);
    }
    return false;
}

struct AboutWorld {
    AboutWorld() {
        path.Remove();
        location.Remove();
    }
    ScopedRegistryValue path{kHkeyLocalMachine, kSysInfoKey, kSysInfoValue};
    ScopedRegistryValue location{kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue};
    win32::Win32Registry registry;
    win32::Win32FileSystem fs;
    CountingShell shell;
    fakes::RecordingErrorSink errors;
    AboutWindow window{registry, fs, shell, errors};
};

TEST(AboutSysInfoTest, NothingStartsAndNothingShowsWithoutARecordedProgram) {
    AboutWorld w;
    int windows = VisibleWindowsOfThisProcess();
    w.window.StartSysInfo();  // neither value
    std::string folder = MakeScratchFolder("msinfo-empty");
    WriteFile(folder + "\\msinfo32.dll", "not the program");
    w.location.Set(folder);
    w.window.Controls().cmdSysInfo.Click();
    w.location.Set(folder + "\\missing");
    w.window.StartSysInfo();
    EXPECT_EQ(w.shell.starts, 0);
    EXPECT_TRUE(w.errors.reports.empty());
    EXPECT_EQ(VisibleWindowsOfThisProcess(), windows);
}

TEST(AboutSysInfoTest, RecordedPathStartsThatProgram) {
    AboutWorld w;
    // A folder with blanks in its name: the path must reach the process start whole.
    std::string folder = MakeScratchFolder("system info tools");
    std::string program = folder + "\\msinfo stub.exe";
    ASSERT_TRUE(CopyFileA("C:\\cwtest\\mark_started.exe", program.c_str(), FALSE));
    w.path.Set(program);
    w.window.Controls().cmdSysInfo.Click();
    EXPECT_EQ(w.shell.starts, 1);
    ASSERT_TRUE(AppearsWithin20s(program + ".started"));
    EXPECT_EQ(ReadFile(program + ".started"), "\"" + program + "\"");
    EXPECT_TRUE(w.errors.reports.empty());
}

TEST(AboutSysInfoTest, RecordedFolderStartsItsMsinfo32) {
    AboutWorld w;
    std::string folder = MakeScratchFolder("msinfo-folder");
    std::string program = folder + "\\MSINFO32.EXE";
    ASSERT_TRUE(CopyFileA("C:\\cwtest\\mark_started.exe", program.c_str(), FALSE));
    w.location.Set(folder);
    w.window.StartSysInfo();
    EXPECT_EQ(w.shell.starts, 1);
    EXPECT_TRUE(AppearsWithin20s(program + ".started"));
    EXPECT_TRUE(w.errors.reports.empty());
}

}  // namespace
}  // namespace cw::testing
