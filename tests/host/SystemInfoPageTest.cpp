#include <gtest/gtest.h>

#include "fakes/FakeOsVersion.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/RecordingErrorSink.h"
#include "sysinfo/SystemInfoPage.h"

namespace cw {
namespace {

constexpr std::uint64_t kGB = 1024ull * 1024 * 1024;

template <class System = fakes::FakeSystemInfo, class Os = fakes::FakeOsVersion>
struct Page {
    SystemInfoControls c;
    System system;
    Os os;
    fakes::RecordingErrorSink errors;
    SystemInfoPage page{c, system, os, errors};

    std::string Value(ui::LabelPair& pair) { return pair.Value().Caption(); }
    std::string Edition(OsVersionInfo v) {
        os.info = v;
        return page.GetOSVer();
    }
    std::vector<std::string> WindowsGroup() {
        return {Value(c.lblWin), Value(c.lblWinVer), Value(c.lblWinAdditional)};
    }
};

// Each figure rounded to kilobytes, halves to the even one, before the used one is
// subtracted; machines of over four gigabytes shown in full.
TEST(SystemInfoPageTest, MemoryIsRoundedToKiloBytesBeforeSubtractingAndShownInFull) {
    struct Case {
        MemoryRecord memory;
        const char* kByte[9];  // physical, virtual and swap file: total, free, used
    } cases[] = {
        // Virtual 2.5 kB rounds down to 2, 1.5 kB free up to 2: the 1024 bytes used show as 0.
        {{262144000, 0, 1535, 513, 2560, 1536},
         {"256000", "0", "256000", "2", "2", "0", "1", "1", "0"}},
        {{6 * kGB, 5 * kGB, 8 * kGB, 3 * kGB + 512, 4 * kGB - 128 * 1024, 3 * kGB},
         {"6291456", "5242880", "1048576", "4194176", "3145728", "1048448", "8388608", "3145728",
          "5242880"}},
    };
    for (const Case& k : cases) {
        Page<> p;
        p.system.memory = k.memory;
        p.page.cmdGetSystemInfo_Click();
        ui::LabelPair* labels[] = {&p.c.lblPhysical, &p.c.lblFreePhysical, &p.c.lblUsedPhysical,
                                   &p.c.lblVirtual,  &p.c.lblFreeVirtual,  &p.c.lblUsedVirtual,
                                   &p.c.lblSwapFile, &p.c.lblFreeSwap,     &p.c.lblUsedSwap};
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(p.Value(*labels[i]), std::string(k.kByte[i]) + " kByte")
                << k.kByte[0] << " " << i;
    }
}

TEST(SystemInfoPageTest, WindowsGroupNamesThePlatformAndWritesTheVersion) {
    Page<> p;
    struct Case {
        OsVersionInfo v;
        const char* name;
        const char* version;
        const char* additional;
    } cases[] = {
        // Windows 98 keeps 4.10 in the high word of the build number.
        {{4, 10, 67766222, kPlatformWindows, " A ", 0, 0}, "Windows 95/98/ME", "4.10.1998", " A "},
        {{5, 1, 2600, kPlatformNT, "", 0, 0}, "Windows NT", "5.01.2600", "Not Available"},
        // On Windows NT the whole build number counts.
        {{6, 2, 0x10005, kPlatformNT, "", 0, 0}, "Windows NT", "6.02.65541", "Not Available"},
        {{3, 11, 0x10005, kPlatformWin32s, "", 0, 0}, "Windows 3.1", "3.11.5", "Not Available"},
        {{5, 0, 1, 3, "", 0, 0}, "", "5.00.1", "Not Available"},
    };
    for (const Case& k : cases) {
        p.os.info = k.v;
        p.page.cmdGetSystemInfo_Click();
        EXPECT_EQ(p.WindowsGroup(), (std::vector<std::string>{k.name, k.version, k.additional}));
    }
    // A failed version call empties the three labels.
    p.os.succeeds = false;
    p.page.cmdGetSystemInfo_Click();
    EXPECT_EQ(p.WindowsGroup(), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(p.Value(p.c.lblPhysical), "262144 kByte");
}

// Each edition at the edges of its version numbers, suite mask and product type.
TEST(SystemInfoPageTest, GetOSVerNamesEveryKnownEdition) {
    Page<> p;
    constexpr auto k9x = kPlatformWindows;
    constexpr auto kNt = kPlatformNT;
    struct Case {
        OsVersionInfo v;
        const char* edition;
    } cases[] = {
        {{3, 10, 0, kPlatformWin32s, "", 0, 0}, "Windows 3.x"},
        {{4, 0, 1111, k9x, " B", 0, 0}, "Windows 95"},
        {{4, 0, 1212, k9x, " c", 0, 0}, "Windows 95 OSR2"},
        {{4, 10, 1998, k9x, "", 0, 0}, "Windows 98"},
        {{4, 10, 2222, k9x, " a ", 0, 0}, "Windows 98 SE"},
        {{4, 90, 3000, k9x, "", 0, 0}, "Windows Me"},
        {{3, 51, 0, kNt, "", 0, 0}, "Windows NT 3.51"},
        {{4, 7, 0, kNt, "", 0, 2}, "Windows NT 4"},
        {{5, 0, 2195, kNt, "", 0, 1}, "Windows 2000 Professional"},
        {{5, 0, 2195, kNt, "", 0x0080, 3}, "Windows 2000 DataCenter Server"},
        // Suite masks are compared whole: DataCenter with a second bit is a plain server.
        {{5, 0, 2195, kNt, "", 0x0082, 3}, "Windows 2000 Server"},
        {{5, 1, 2600, kNt, "", 0x0200, 1}, "Windows XP Home Edition"},
        {{5, 1, 2600, kNt, "", 0x0300, 1}, "Windows XP Professional"},
        {{5, 1, 2600, kNt, "", 0x0002, 2}, "Windows .NET Enterprise Server"},
        {{5, 1, 2600, kNt, "", 0x0012, 3}, "Windows .NET Server"},
        // Neighbours that name no edition.
        {{5, 0, 2195, kNt, "", 0x0000, 2}, ""},  // a Windows 2000 domain controller
        {{5, 2, 3790, kNt, "", 0x0000, 1}, ""},
        {{10, 0, 19045, kNt, "", 0x0100, 1}, ""},
        {{3, 2, 0, kNt, "", 0, 0}, ""},
        {{4, 11, 0, k9x, "A", 0, 0}, ""},
        {{5, 1, 2600, 3, "", 0, 1}, ""},  // Windows CE
    };
    for (const Case& k : cases) {
        EXPECT_EQ(p.Edition(k.v), k.edition)
            << k.v.platformId << " " << k.v.major << "." << k.v.minor << " type "
            << int(k.v.productType) << " suite " << k.v.suiteMask;
    }
    // The systems that refuse the extended record are named from the basic one.
    p.os.rejectsExtended = true;
    for (const Case& k : cases) {
        if (k.v.major < 5) {
            EXPECT_EQ(p.Edition(k.v), k.edition) << k.v.major << "." << k.v.minor;
        }
    }
    EXPECT_TRUE(p.errors.reports.empty());
}

TEST(SystemInfoPageTest, IeVersionIsTheShellUtilityLibrarysVersion) {
    Page<> p;
    EXPECT_EQ(p.page.GetIeVer(), "6.0");
    p.system.SetDllVersion("SHLWAPI.DLL", {5, 50, 4134, 1});
    EXPECT_EQ(p.page.GetIeVer(), "5.50");
    p.system.SetDllVersion("shlwapi.dll", {4, 71, 1712, 1});
    p.os.SetWindows98();
    p.page.ShowVersions();
    EXPECT_EQ(std::tuple(p.c.lblIEVer.Caption(), p.c.lblOSVer.Caption()),
              std::tuple("4.71", "Windows 98 SE"));
    p.system.RemoveDll("Shlwapi.dll");
    EXPECT_EQ(p.page.GetIeVer(), "0.0");
    EXPECT_TRUE(p.errors.reports.empty());
}

// A platform layer that fails unexpectedly, to see the traps report and carry on.
struct FailingSystemInfo : fakes::FakeSystemInfo {
    void QuerySystem(SystemRecord&) override { throw RuntimeError(err::kInvalidProcedureCall); }
    bool QueryDllVersion(const std::string&, DllVersionRecord&) override {
        throw RuntimeError(err::kFileNotFound);
    }
};

struct FailingOsVersion : fakes::FakeOsVersion {
    int Query(OsVersionInfo&, bool) override { throw RuntimeError(err::kOutOfMemory); }
};

TEST(SystemInfoPageTest, FailuresAreReportedWithTheirTagsAndTheRoutinesGoOn) {
    Page<FailingSystemInfo, FailingOsVersion> p;
    p.page.cmdGetSystemInfo_Click();
    ASSERT_EQ(p.errors.reports.size(), 2u);
    EXPECT_EQ(
        std::tuple(p.errors.reports[0].tag, p.errors.reports[0].number, p.errors.reports[1].number),
        std::tuple("frmMain,cmdGetSysyemInfo", 5, 7));
    EXPECT_EQ(p.c.lblPhysical.Value().Caption(), "262144 kByte");  // the statements after ran

    p.errors.reports.clear();
    p.page.ShowVersions();
    EXPECT_EQ(std::tuple(p.c.lblOSVer.Caption(), p.c.lblIEVer.Caption()), std::tuple("", "0.0"));
    ASSERT_EQ(p.errors.reports.size(), 2u);
    EXPECT_EQ(
        std::tuple(p.errors.reports[0].tag, p.errors.reports[1].tag, p.errors.reports[1].number),
        std::tuple("frmMain,GetOsVer", "frmMain,Get_IeVer", 53));
}

}  // namespace
}  // namespace cw
