// What every SystemInfo must report, checked against the fake and the Win32 implementation.

#include <gtest/gtest.h>

#include "contract/SystemInfoContract.h"

namespace cw::contract {
namespace {

constexpr std::uint64_t kFourGB = 0x100000000ull;

bool IsPowerOfTwo(std::uint64_t n) {
    return n != 0 && (n & (n - 1)) == 0;
}

TEST(SystemInfoContract, ProcessorAndAddressSpaceFiguresAreConsistent) {
    auto info = MakeSystemInfo();
    SystemRecord r;
    info->QuerySystem(r);
    EXPECT_TRUE(IsPowerOfTwo(r.pageSize)) << r.pageSize;
    EXPECT_GE(r.pageSize, 4096u);
    ASSERT_GT(r.allocationGranularity, 0u);
    EXPECT_EQ(r.allocationGranularity % r.pageSize, 0u);
    EXPECT_GE(r.numberOfProcessors, 1u);
    EXPECT_GT(r.minimumApplicationAddress, 0u);
    EXPECT_EQ(r.minimumApplicationAddress % r.allocationGranularity, 0u);
    EXPECT_LT(r.minimumApplicationAddress, r.maximumApplicationAddress);
    EXPECT_LT(r.maximumApplicationAddress, kFourGB);  // a 32-bit program's address space
}

TEST(SystemInfoContract, AvailableMemoryNeverExceedsTheTotal) {
    auto info = MakeSystemInfo();
    MemoryRecord m;
    info->QueryMemory(m);
    EXPECT_GT(m.availPhys, 0u);
    EXPECT_LE(m.availPhys, m.totalPhys);
    EXPECT_LE(m.availPageFile, m.totalPageFile);
    EXPECT_GT(m.availVirtual, 0u);
    EXPECT_LE(m.availVirtual, m.totalVirtual);
    EXPECT_LE(m.totalVirtual, kFourGB);
}

TEST(SystemInfoContract, ShellUtilityLibraryReportsItsVersionAndOthersReportNothing) {
    auto info = MakeSystemInfo();
    DllVersionRecord shlwapi;
    ASSERT_TRUE(info->QueryDllVersion("Shlwapi.dll", shlwapi));
    EXPECT_GE(shlwapi.major, 4u);  // the library came with Internet Explorer 4
    DllVersionRecord upper;
    ASSERT_TRUE(info->QueryDllVersion("SHLWAPI.DLL", upper));
    EXPECT_EQ(upper.major, shlwapi.major);
    EXPECT_EQ(upper.minor, shlwapi.minor);

    // A library without the export, one that does not exist, and anything but a bare name.
    for (const char* dll : {"kernel32.dll", "nosuchlibrary.dll", "C:\\Windows\\Shlwapi.dll", ""}) {
        DllVersionRecord r{9, 9, 9, 9};
        EXPECT_FALSE(info->QueryDllVersion(dll, r)) << dll;
        EXPECT_EQ(r.major, 0u) << dll;
        EXPECT_EQ(r.minor, 0u) << dll;
    }
}

}  // namespace
}  // namespace cw::contract
