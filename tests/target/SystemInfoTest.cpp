// The System Info page and the About window's System Info button with the real Win32
// services.

#include <windows.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <map>
#include <sstream>

#include "fakes/RecordingErrorSink.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "support/Process.h"
#include "support/TestWorld.h"
#include "sysinfo/AboutWindow.h"

namespace cw::testing {
namespace {

// The System Info page's figures with the real Win32 services, read through a probe program
// that loads the page (the version texts under the Windows versions Wine can pretend to be
// are read through the GUI driver, in SystemInfoGui).

std::string Hex(const void* address) {
    char hex[32];
    std::snprintf(hex, sizeof hex, "%lX",
                  static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(address)));
    return hex;
}

TEST(SystemInfoWineTest, FiguresAreTheSystemsOwn) {
    std::string out = MakeScratchFolder("probe-figures") + "\\texts.txt";
    ASSERT_EQ(RunAndWait("C:\\cwtest\\sysinfo_probe.exe \"" + out + "\""), 0);
    std::map<std::string, std::string> texts;  // by label name
    std::istringstream in(ReadFile(out));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::size_t eq = line.find('=');
        if (eq != std::string::npos) texts[line.substr(0, eq)] += line.substr(eq + 1);
    }
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    EXPECT_EQ(texts["lblHighLoadAddr(1)"], Hex(info.lpMaximumApplicationAddress));
    EXPECT_EQ(texts["lblLowLoadAddr(1)"], Hex(info.lpMinimumApplicationAddress));
    EXPECT_EQ(texts["lblVirtualAlloc(1)"], std::to_string(info.dwPageSize));
    EXPECT_EQ(texts["lblNumProcessors(1)"], std::to_string(info.dwNumberOfProcessors));
    EXPECT_EQ(texts["lblBlockAddress(1)"], std::to_string(info.dwAllocationGranularity));

    // The whole physical memory, even beyond the 2 GB that GlobalMemoryStatus stops at.
    MEMORYSTATUSEX memory = {};
    memory.dwLength = sizeof memory;
    ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
    EXPECT_EQ(texts["lblPhysical(1)"], std::to_string(memory.ullTotalPhys / 1024) + " kByte");
    EXPECT_EQ(texts["lblSwapFile(1)"].substr(texts["lblSwapFile(1)"].size() - 6), " kByte");

    // The browser version: the shell utility library's, at least Internet Explorer 4's.
    const std::string ie = texts["lblIEVer"];
    ASSERT_NE(ie.find('.'), std::string::npos) << ie;
    EXPECT_GE(std::stoi(ie.substr(0, ie.find('.'))), 4) << ie;
}

// The About window's System Info button with the real registry, file system and process
// start: a recorded program whose path holds blanks reaches the process start whole. (What
// starts for each way Windows records the program is shown through the real window, in
// OtherWindowsGui.)

TEST(AboutSysInfoTest, ARecordedPathWithBlanksStartsThatProgram) {
    ScopedRegistryValue path{kHkeyLocalMachine, kSysInfoKey, kSysInfoValue};
    ScopedRegistryValue location{kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue};
    location.Remove();
    win32::Win32Registry registry;
    win32::Win32FileSystem fs;
    win32::Win32ShellExecute shell;
    fakes::RecordingErrorSink errors;
    AboutWindow window{registry, fs, shell, errors};

    std::string program = MakeScratchFolder("system info tools") + "\\msinfo stub.exe";
    ASSERT_TRUE(CopyFileA("C:\\cwtest\\mark_started.exe", program.c_str(), FALSE));
    path.Set(program);
    window.Controls().cmdSysInfo.Click();
    for (int i = 0; i < 200 && !PathExists(program + ".started"); ++i)
        Sleep(100);
    EXPECT_EQ(ReadFile(program + ".started"), "\"" + program + "\"");
    EXPECT_TRUE(errors.reports.empty());
}

}  // namespace
}  // namespace cw::testing
