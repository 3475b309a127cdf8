// The analysis window's model on scripted plans, none of which may be carried out.

#include "clean/AnalysisWindow.h"

#include <gtest/gtest.h>

#include <map>

#include "fakes/RecordingErrorSink.h"

namespace cw {
namespace {

using Rows = std::vector<ui::ReportList::Row>;
using I = CleaningItem;

// Plans as the test writes them; a wipe is a fault here.
struct ScriptedCleaners : ItemCleaners {
    CleaningPlan Plan(CleaningItem item) override {
        if (item == failing) throw RuntimeError(err::kPermissionDenied);
        CleaningPlan plan = plans[item];
        plan.item = item;
        return plan;
    }
    PlanTotals Wipe(CleaningItem) override {
        ADD_FAILURE() << "the analysis wiped an item";
        return {};
    }
    void Target(CleaningItem item, TargetKind kind, const std::string& where,
                std::uint64_t size = 0, int traces = 1) {
        plans[item].Add(
            kind, where,
            [] {
                ADD_FAILURE() << "a target was carried out";
                return true;
            },
            size, traces);
    }
    std::map<CleaningItem, CleaningPlan> plans;
    CleaningItem failing = I::IndexDat;
};

struct AnalysisFixture : ::testing::Test {
    AnalysisFixture() {
        c.Target(I::RecentDocuments, TargetKind::File, "C:\\Recent\\a.lnk", 300);
        c.Target(I::RecentDocuments, TargetKind::AtRunTime, "the shell's list");
        c.Target(I::IECookies, TargetKind::CacheEntry, "Cookie:bob@ads.example/");
        c.Target(I::IECookies, TargetKind::File, "C:\\Cookies\\bob@ads.example[1].txt", 100, 0);
        c.plans[I::IECookies].keptCookies = 1;
        // The cache item meets the same cookie entry (in other letters) and the same kept
        // cookie; the wipe of the cookies has taken that entry by then.
        c.Target(I::IECache, TargetKind::CacheEntry, "COOKIE:bob@ads.example/");
        c.Target(I::IECache, TargetKind::File, "C:\\Cache\\page.htm", 2048);
        c.Target(I::IECache, TargetKind::Setting, "a switch");
        c.plans[I::IECache].keptCookies = 1;
        c.plans[I::NetscapeCookies].keptCookies = 2;
        c.Target(I::TypedUrls, TargetKind::RegistryValue, "TypedURLs\\url1");
        c.Target(I::TypedUrls, TargetKind::RegistryValue, "TypedURLs\\url2");
        c.Target(I::RecycleBin, TargetKind::AtRunTime, "every bin");
        window.onUnload = [this] { ++unloads; };
    }
    void RunToEnd() {
        for (int i = 0; i < 30 && window.Controls().timAnalyze.Enabled(); ++i)
            window.Controls().timAnalyze.Tick();
    }

    ScriptedCleaners c;
    fakes::RecordingErrorSink errors;
    AnalysisWindow window{c, errors};
    AnalysisControls& x = window.Controls();
    int unloads = 0;
};

TEST_F(AnalysisFixture, RowsInRunOrderTheSharedTargetOnceKeptCookiesAndTotals) {
    window.Start({I::RecentDocuments, I::NetscapeCookies, I::TypedUrls, I::RecycleBin, I::IECookies,
                  I::IECache});
    EXPECT_EQ(x.lblStatus.Caption(), "Analyzing Recent Documents List... (1 of 6)");
    x.timAnalyze.Tick();
    EXPECT_EQ(x.lvwAnalysis.Rows(),
              (Rows{{"Recent Documents List", "1 + by Windows", "300 bytes"}}));
    EXPECT_EQ(std::tuple(x.prgAnalysis.Value(), x.prgAnalysis.Max(), x.lblStatus.Caption()),
              std::tuple(1, 6, "Analyzing Netscape Cookies... (2 of 6)"));
    RunToEnd();
    EXPECT_EQ(x.lvwAnalysis.Rows(), (Rows{{"Recent Documents List", "1 + by Windows", "300 bytes"},
                                          {"Netscape Cookies", "0", "0 bytes"},
                                          {"IE Typed Web Address", "2", "0 bytes"},
                                          {"Recycle Bin", "by Windows", "0 bytes"},
                                          {"IE Cookies", "1", "100 bytes"},
                                          {"Temporary Internet Files", "1", "2.0 KB"},
                                          {"Kept cookies", "3", ""},
                                          {"All items", "5", "2.4 KB"}}));
    EXPECT_EQ(std::tuple(x.timAnalyze.Enabled(), x.prgAnalysis.Value(), x.lblStatus.Caption()),
              std::tuple(false, 6, "Wiping these items would remove 5 traces and free 2.4 KB."));

    // Asked again, it starts over with what is ticked now.
    window.Start({I::IndexDat, I::TypedUrls});
    RunToEnd();
    EXPECT_EQ(x.lvwAnalysis.Rows(), (Rows{{"Index.dat ( requires reboot )", "not readable", ""},
                                          {"IE Typed Web Address", "2", "0 bytes"},
                                          {"All items", "2", "0 bytes"}}));
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].tag, "frmAnalysis,timAnalyze_Timer");

    window.Start({});
    EXPECT_FALSE(x.timAnalyze.Enabled());
    EXPECT_EQ(
        std::tuple(x.lvwAnalysis.Rows(), x.lblStatus.Caption()),
        std::tuple(Rows{{"All items", "0", "0 bytes"}}, "No item is ticked on the Privacy page."));
    x.cmdClose.Click();
    EXPECT_EQ(unloads, 1);
}

TEST(AnalysisWindow, TracesColumnNamesWhatCountsOnlyAtTheWipeOrTheRestart) {
    CleaningPlan plan;
    plan.Add(TargetKind::AtRestart, "index.dat", {});
    plan.Add(TargetKind::AtRestart, "History.IE5", {});
    EXPECT_EQ(TracesColumn(plan, 0), "2 at restart");
    plan.Add(TargetKind::AtRunTime, "the shell", {});
    EXPECT_EQ(TracesColumn(plan, 4), "4 + by Windows + 2 at restart");
}

}  // namespace
}  // namespace cw
