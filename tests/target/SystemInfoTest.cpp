// The System Info page and the version labels with the real Win32 services, under the
// Windows versions Wine can pretend to be, and the memory fallback of old systems.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemInfo.h"
#include "support/TestWorld.h"
#include "sysinfo/SystemInfoText.h"

namespace cw::testing {
namespace {

constexpr const char kWineKey[] = "Software\\Wine";

// Sets the Windows version Wine reports to the processes started from now on, and puts the
// previous setting back afterwards.
class WineVersion {
  public:
    explicit WineVersion(const std::string& version) {
        had_ = registry_.QueryValue(kHkeyCurrentUser, kWineKey, "Version", old_) == 0;
        EXPECT_EQ(registry_.SetValue(kHkeyCurrentUser, kWineKey, "Version", {kRegSz, version}), 0);
    }
    ~WineVersion() {
        if (had_)
            registry_.SetValue(kHkeyCurrentUser, kWineKey, "Version", old_);
        else
            registry_.DeleteValue(kHkeyCurrentUser, kWineKey, "Version");
    }

  private:
    win32::Win32Registry registry_;
    RegValue old_;
    bool had_ = false;
};

// Runs a program and waits for it, at most 60 seconds. Its exit code, or -1.
int Run(const std::string& commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return -1;
    }
    win32::KernelHandle process(info.hProcess), thread(info.hThread);
    if (WaitForSingleObject(process.get(), 60000) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return static_cast<int>(code);
}

// The texts the probe program shows, by label name.
std::map<std::string, std::string> ProbeTexts(const std::string& name) {
    std::string out = MakeScratchFolder("probe-" + name) + "\\texts.txt";
    EXPECT_EQ(Run("C:\\cwtest\\sysinfo_probe.exe \"" + out + "\""), 0);
    std::map<std::string, std::string> texts;
    std::istringstream in(ReadFile(out));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::size_t eq = line.find('=');
        if (eq != std::string::npos) texts[line.substr(0, eq)] += line.substr(eq + 1);
    }
    return texts;
}

TEST(SystemInfoWineTest, VersionTextsMatchTheWindowsWinePretendsToBe) {
    struct Case {
        const char* wineVersion;
        const char* edition;
        const char* platform;
        const char* version;
        const char* servicePack;
    } cases[] = {
        // Wine's Windows 98 is the Second Edition: build 4.10.2222, service-pack text " A ".
        {"win98", "Windows 98 SE", "Windows 95/98/ME", "4.10.2222", " A "},
        {"win2k", "Windows 2000 Professional", "Windows NT", "5.00.2195", "Service Pack 4"},
        {"winxp", "Windows XP Professional", "Windows NT", "5.01.2600", "Service Pack 3"},
        // Wine's default, Windows 7, is newer than every edition the program names.
        {"win7", "", "Windows NT", "6.01.7601", "Service Pack 1"},
    };
    for (const Case& k : cases) {
        WineVersion version(k.wineVersion);
        auto texts = ProbeTexts(k.wineVersion);
        EXPECT_EQ(texts["lblOSVer"], k.edition) << k.wineVersion;
        EXPECT_EQ(texts["lblWin(1)"], k.platform) << k.wineVersion;
        EXPECT_EQ(texts["lblWinVer(1)"], k.version) << k.wineVersion;
        EXPECT_EQ(texts["lblWinAdditional(1)"], k.servicePack) << k.wineVersion;
        EXPECT_EQ(texts.count("report"), 0u) << texts["report"];
    }
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
