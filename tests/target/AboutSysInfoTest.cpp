// The About window's System Info button with the real registry, file system and process
// start: where Windows records the System Information program decides what starts.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "fakes/RecordingErrorSink.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "support/TestWorld.h"
#include "sysinfo/AboutWindow.h"

namespace cw::testing {
namespace {

// Saves a registry value and puts it back (or removes it again) at the end of the test.
class SavedValue {
  public:
    SavedValue(std::string key, std::string name) : key_(std::move(key)), name_(std::move(name)) {
        had_ = registry_.QueryValue(kHkeyLocalMachine, key_, name_, old_) == 0;
        registry_.DeleteValue(kHkeyLocalMachine, key_, name_);
    }
    ~SavedValue() {
        if (had_)
            registry_.SetValue(kHkeyLocalMachine, key_, name_, old_);
        else
            registry_.DeleteValue(kHkeyLocalMachine, key_, name_);
    }
    void Set(const std::string& text) {
        ASSERT_EQ(registry_.SetValue(kHkeyLocalMachine, key_, name_, {kRegSz, text}), 0);
    }

  private:
    win32::Win32Registry registry_;
    std::string key_, name_;
    RegValue old_;
    bool had_ = false;
};

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
    SavedValue path{kSysInfoKey, kSysInfoValue};
    SavedValue location{kSysInfoLocationKey, kSysInfoLocationValue};
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
