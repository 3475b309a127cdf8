// The services of the system itself, the same on the fakes and on the Win32 implementations:
// a wait for messages, the version record, the special folders the cleaners use, and the
// machine's figures.

#include <gtest/gtest.h>

#include <tuple>

#include "contract/ContractWorld.h"
#include "files/PathGuard.h"
#include "text/Convert.h"

namespace cw::contract {
namespace {

constexpr std::uint64_t kFourGB = 0x100000000ull;
// A program's address space: 4 GB for the 32-bit program, 128 TB for the 64-bit test build.
constexpr std::uint64_t kAddressSpace = sizeof(void*) == 4 ? kFourGB : 1ull << 47;
constexpr std::uint64_t kFileTicksPerSecond = 10'000'000;

// 0 = Sunday; 1970-01-01 was a Thursday.
int WeekdayOf(const LocalTime& t) {
    return static_cast<int>(((text::DaysFromCivil(t.year, t.month, t.day) % 7) + 11) % 7);
}

bool IsValidDate(const LocalTime& t) {
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour >= 0 &&
           t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second < 60 &&
           t.millisecond >= 0 && t.millisecond < 1000 && t.dayOfWeek == WeekdayOf(t);
}

using SystemContract = ContractTest;

TEST_F(SystemContract, AWaitLastsItsTimeUnlessAMessageArrives) {
    world.DrainMessages();
    std::uint32_t start = world.clock().TickCount();
    world.wait().WaitForMessages(100);
    std::uint32_t waited = world.clock().TickCount() - start;
    EXPECT_GE(waited, 80u);
    EXPECT_LE(waited, 1000u);

    world.PostMessageToSelf();
    start = world.clock().TickCount();
    world.wait().WaitForMessages(5000);
    EXPECT_LT(world.clock().TickCount() - start, 1000u) << "a message ends the wait";
    world.DrainMessages();
}

TEST_F(SystemContract, ClockGivesValidLocalDatesAndConvertsFileTimesInTheSameZone) {
    Clock& clock = world.clock();
    EXPECT_TRUE(IsValidDate(clock.Now()));

    // 2004-02-29 12:00:07.250 UTC and one day later. Every zone is a whole number of quarter
    // hours off UTC and at most 14 hours, and none changes its offset between these days.
    const std::uint64_t leapNoon = 127225296000000000ull + 7 * kFileTicksPerSecond + 2'500'000;
    LocalTime a = clock.FileTimeToLocal(leapNoon);
    LocalTime b = clock.FileTimeToLocal(leapNoon + 86400 * kFileTicksPerSecond);
    EXPECT_TRUE(IsValidDate(a));
    EXPECT_TRUE(IsValidDate(b));
    EXPECT_EQ(a.year, 2004);
    EXPECT_TRUE((a.month == 2 && a.day >= 28) || (a.month == 3 && a.day == 1))
        << a.month << "-" << a.day;
    EXPECT_EQ(a.minute % 15, 0);
    EXPECT_EQ(std::tie(a.second, a.millisecond), std::tuple(7, 250));
    EXPECT_EQ(std::tie(b.dayOfWeek, b.hour, b.minute),
              std::tuple((a.dayOfWeek + 1) % 7, a.hour, a.minute));

    const std::uint32_t start = clock.TickCount();
    // Wine's tick count is refreshed in steps of about 16 ms, later still on a busy machine.
    clock.Sleep(200);
    const std::uint32_t slept = clock.TickCount() - start;
    EXPECT_GE(slept, 150u);
    EXPECT_LT(slept, 2000u);
}

TEST_F(SystemContract, PlainAndExtendedVersionRecordsAgree) {
    OsVersionInfo plain, extended;
    ASSERT_NE(world.os().Query(plain, false), 0);
    ASSERT_NE(world.os().Query(extended, true), 0);
    EXPECT_TRUE(plain.platformId == kPlatformNT || plain.platformId == kPlatformWindows);
    EXPECT_GE(plain.major, 4u);
    EXPECT_EQ(std::tie(plain.major, plain.minor), std::tie(extended.major, extended.minor));
    EXPECT_EQ(plain.productType, 0) << "only the extended record has the product type";
}

TEST_F(SystemContract, SystemFoldersOfTheCleanersAreFullPathsWithoutSlash) {
    for (int csidl :
         {kCsidlHistory, kCsidlRecent, kCsidlCookies, kCsidlInternetCache, kCsidlProfile}) {
        std::string path;
        ASSERT_TRUE(world.folders().GetFolderPath(csidl, path)) << csidl;
        EXPECT_TRUE(PathGuard::IsQualifiedNonRoot(path)) << path;
        EXPECT_NE(path.back(), '\\') << path;
    }
    std::string none;
    EXPECT_FALSE(world.folders().GetFolderPath(0x7F, none));
}

TEST_F(SystemContract, ProcessorMemoryAndAddressSpaceFiguresAreConsistent) {
    SystemRecord r;
    world.info().QuerySystem(r);
    EXPECT_EQ(r.pageSize & (r.pageSize - 1), 0u) << r.pageSize << " is a power of two";
    EXPECT_GE(r.pageSize, 4096u);
    ASSERT_GT(r.allocationGranularity, 0u);
    EXPECT_EQ(r.allocationGranularity % r.pageSize, 0u);
    EXPECT_GE(r.numberOfProcessors, 1u);
    EXPECT_GT(r.minimumApplicationAddress, 0u);
    EXPECT_EQ(r.minimumApplicationAddress % r.allocationGranularity, 0u);
    EXPECT_LT(r.minimumApplicationAddress, r.maximumApplicationAddress);
    EXPECT_LT(r.maximumApplicationAddress, kAddressSpace);

    MemoryRecord m;
    world.info().QueryMemory(m);
    EXPECT_GT(m.availPhys, 0u);
    EXPECT_LE(m.availPhys, m.totalPhys);
    EXPECT_LE(m.availPageFile, m.totalPageFile);
    EXPECT_GT(m.availVirtual, 0u);
    EXPECT_LE(m.availVirtual, m.totalVirtual);
    EXPECT_LE(m.totalVirtual, kAddressSpace);
}

TEST_F(SystemContract, ShellUtilityLibraryReportsItsVersionAndOthersReportNothing) {
    SystemInfo& info = world.info();
    DllVersionRecord shlwapi;
    ASSERT_TRUE(info.QueryDllVersion("Shlwapi.dll", shlwapi));
    EXPECT_GE(shlwapi.major, 4u);  // the library came with Internet Explorer 4
    DllVersionRecord upper;
    ASSERT_TRUE(info.QueryDllVersion("SHLWAPI.DLL", upper));
    EXPECT_EQ(std::tie(upper.major, upper.minor), std::tie(shlwapi.major, shlwapi.minor));

    // A library without the export, one that does not exist, and anything but a bare name.
    for (const char* dll : {"kernel32.dll", "nosuchlibrary.dll", "C:\\Windows\\Shlwapi.dll", ""}) {
        DllVersionRecord r{9, 9, 9, 9};
        EXPECT_FALSE(info.QueryDllVersion(dll, r)) << dll;
        EXPECT_EQ(std::tie(r.major, r.minor), std::tuple(0u, 0u)) << dll;
    }
}

}  // namespace
}  // namespace cw::contract
