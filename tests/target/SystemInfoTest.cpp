// The System Info page's figures with the real Win32 services (the version texts under the
// Windows versions Wine can pretend to be are read through the GUI driver, in gui_tests),
// and the memory fallback of old systems.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "platform/win32/Win32SystemInfo.h"
#include "support/Process.h"
#include "support/TestWorld.h"
#include "sysinfo/SystemInfoText.h"

namespace cw::testing {
namespace {

// The texts the probe program shows, by label name.
std::map<std::string, std::string> ProbeTexts(const std::string& name) {
    std::string out = MakeScratchFolder("probe-" + name) + "\\texts.txt";
    EXPECT_EQ(RunAndWait("C:\\cwtest\\sysinfo_probe.exe \"" + out + "\""), 0);
    std::map<std::string, std::string> texts;
    std::istringstream in(ReadFile(out));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::size_t eq = line.find('=');
        if (eq != std::string::npos) texts[line.substr(0, eq)] += line.substr(eq + 1);
    }
    return texts;
}

TEST(SystemInfoWineTest, FiguresAreTheSystemsOwn) {
    auto texts = ProbeTexts("figures");
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    char hex[32];
    std::snprintf(hex, sizeof hex, "%lX",
                  static_cast<unsigned long>(
                      reinterpret_cast<std::uintptr_t>(info.lpMaximumApplicationAddress)));
    EXPECT_EQ(texts["lblHighLoadAddr(1)"], hex);
    std::snprintf(hex, sizeof hex, "%lX",
                  static_cast<unsigned long>(
                      reinterpret_cast<std::uintptr_t>(info.lpMinimumApplicationAddress)));
    EXPECT_EQ(texts["lblLowLoadAddr(1)"], hex);
    EXPECT_EQ(texts["lblVirtualAlloc(1)"], std::to_string(info.dwPageSize));
    EXPECT_EQ(texts["lblNumProcessors(1)"], std::to_string(info.dwNumberOfProcessors));
    EXPECT_EQ(texts["lblBlockAddress(1)"], std::to_string(info.dwAllocationGranularity));

    // The whole physical memory, even beyond the 2 GB that GlobalMemoryStatus stops at.
    MEMORYSTATUSEX memory = {};
    memory.dwLength = sizeof memory;
    ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
    EXPECT_EQ(texts["lblPhysical(1)"],
              std::to_string(memory.ullTotalPhys / 1024) + " kByte");  // whole pages
    EXPECT_EQ(texts["lblSwapFile(1)"].substr(texts["lblSwapFile(1)"].size() - 6), " kByte");

    // The browser version: the shell utility library's, at least Internet Explorer 4's.
    const std::string ie = texts["lblIEVer"];
    ASSERT_NE(ie.find('.'), std::string::npos) << ie;
    EXPECT_GE(std::stoi(ie.substr(0, ie.find('.'))), 4) << ie;
}

TEST(SystemInfoWineTest, OldSystemsFallBackToTheThirtyTwoBitMemoryStatus) {
    win32::Win32SystemInfo best, classic(false);
    MemoryRecord full, limited;
    best.QueryMemory(full);
    classic.QueryMemory(limited);
    for (auto [f, l] : {std::pair{full.totalPhys, limited.totalPhys},
                        std::pair{full.totalPageFile, limited.totalPageFile},
                        std::pair{full.totalVirtual, limited.totalVirtual}}) {
        EXPECT_GT(l, 0u);
        EXPECT_LE(l, 0xFFFFFFFFull);
        EXPECT_LE(l, f);
    }
    EXPECT_LE(limited.availPhys, limited.totalPhys);
    EXPECT_LE(limited.availVirtual, limited.totalVirtual);
}

}  // namespace
}  // namespace cw::testing
