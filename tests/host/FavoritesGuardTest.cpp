// The Favorites guard against an in-memory folder and a fake clock: the clock-minute rule to
// the second, links, failing watches, and a Disable that arrives while a failure is reported.

#include "browser/FavoritesGuard.h"

#include <gtest/gtest.h>

#include "contract/Services.h"
#include "fakes/FakeChangeWatch.h"

namespace cw::testing {
namespace {

const std::string kFavorites = "C:\\Documents and Settings\\bob\\Favorites";

TEST(MinutesBetweenTest, CountsClockMinuteBoundaries) {
    auto at = [](int y, int mo, int d, int h, int mi, int s) {
        return LocalTime{y, mo, d, 0, h, mi, s, 0};
    };
    EXPECT_EQ(MinutesBetween(at(2023, 12, 31, 23, 59, 59), at(2024, 1, 1, 0, 0, 0)), 1);
    EXPECT_EQ(MinutesBetween(at(2024, 2, 28, 12, 0, 0), at(2024, 3, 1, 12, 0, 0)), 2 * 1440);
}

class FavoritesGuardTest : public ::testing::Test, public Services<FakePlatform> {
  protected:
    FavoritesGuardTest() {
        clock.Set(2024, 3, 5, 10, 1, 5);
        fs.AddDirectory(kFavorites);
    }
    void AddFileAt(const std::string& name, int hour, int minute, int second,
                   std::uint32_t attributes = kAttrArchive) {
        fs.SetNow(clock.LocalToFileTime({2024, 3, 5, 0, hour, minute, second, 0}));
        fs.AddFile(kFavorites + "\\" + name, "[InternetShortcut]", attributes);
    }
    // A file made now, as a browser saves a favorite.
    void SaveFavorite(const std::string& relative, std::uint32_t attributes = kAttrArchive) {
        fs.SetNow(clock.LocalToFileTime(clock.Now()));
        fs.AddFile(kFavorites + "\\" + relative, "[InternetShortcut]\r\nURL=http://x/\r\n",
                   attributes);
    }
    bool Has(const std::string& relative) { return fs.Exists(kFavorites + "\\" + relative); }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) {
            clock.AdvanceMs(100);
            c.timFavoritesWatch.Tick();
        }
    }

    fakes::FakeChangeWatch changes{fs};
    FavoritesGuardControls c;
    FavoritesGuard favorites{c, shellFolders, files, changes, clock, errors};
};

// Enable deletes the files of its start minute and keeps earlier ones; the start time stays
// the reference until the guard is enabled again.
TEST_F(FavoritesGuardTest, TheStartMinuteIsTheReferenceUntilTheGuardIsEnabledAgain) {
    AddFileAt("old.url", 9, 30, 0);
    AddFileAt("seconds before.url", 10, 0, 59);
    AddFileAt("same minute.url", 10, 1, 0);
    AddFileAt("later.url", 10, 1, 4);
    fs.AddDirectory(kFavorites + "\\Links");

    c.cmdEnableAutoBookMark.Click();
    // "seconds before" is of an earlier clock minute, if only by seconds.
    EXPECT_TRUE(Has("old.url") && Has("seconds before.url") && Has("Links"));
    EXPECT_FALSE(Has("same minute.url") || Has("later.url"));
    EXPECT_TRUE(errors.reports.empty());

    clock.AdvanceMs(3 * 60 * 1000);
    for (int i = 0; i < 3; ++i) {
        SaveFavorite("again.url");
        Ticks(2);
        EXPECT_FALSE(Has("again.url")) << "pass " << i;
    }
    EXPECT_TRUE(Has("old.url") && changes.OpenWatches() == 1) << "kept however often it changes";
    // A new file that cannot be deleted is reported, and the guard keeps running.
    SaveFavorite("stuck.url", kAttrReadOnly);
    Ticks(2);
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].tag, "frmMain,delnewFiles");
    SaveFavorite("next.url");
    Ticks(2);
    EXPECT_TRUE(!Has("next.url") && Has("stuck.url"));
    fs.SetAttributes(kFavorites + "\\stuck.url", kAttrArchive);

    c.cmdDisableAutoBookMark.Click();
    EXPECT_EQ(changes.OpenWatches(), 0);
    SaveFavorite("kept.url");
    clock.AdvanceMs(2 * 60 * 1000);
    c.cmdEnableAutoBookMark.Click();
    EXPECT_TRUE(Has("kept.url")) << "made before the new start minute";
}

TEST_F(FavoritesGuardTest, LinksAreNeverDeletedThrough) {
    fs.AddDirectory("C:\\Elsewhere");
    fs.AddLink(kFavorites + "\\Linked", "C:\\Elsewhere");
    c.cmdEnableAutoBookMark.Click();
    SaveFavorite("Linked\\target.url");
    fs.SetNow(clock.LocalToFileTime(clock.Now()));
    fs.AddFile("C:\\Elsewhere\\direct.url");
    Ticks(2);
    EXPECT_TRUE(fs.Exists("C:\\Elsewhere\\direct.url") && fs.Exists("C:\\Elsewhere\\target.url") &&
                Has("Linked"));
    c.cmdDisableAutoBookMark.Click();

    // Favorites itself a link: the guard runs but deletes nothing through it.
    folders.Set(kCsidlFavorites, "C:\\Documents and Settings\\bob\\Fav Link");
    fs.AddLink("C:\\Documents and Settings\\bob\\Fav Link", "C:\\Elsewhere");
    c.cmdEnableAutoBookMark.Click();
    fs.AddFile("C:\\Elsewhere\\new.url");
    Ticks(2);
    EXPECT_TRUE(fs.Exists("C:\\Elsewhere\\new.url") && errors.reports.empty());
}

// A guard that cannot watch is off, and its buttons show it: Enable available, Disable greyed.
TEST_F(FavoritesGuardTest, FailingWatchIsReportedOnceAndDroppedAndTheButtonsShowTheGuardOff) {
    auto showsOff = [&] {
        return !favorites.Guarding() && c.cmdEnableAutoBookMark.Enabled() &&
               !c.cmdDisableAutoBookMark.Enabled() && !c.timFavoritesWatch.Enabled();
    };
    c.cmdEnableAutoBookMark.Click();
    EXPECT_TRUE(favorites.Guarding() && c.cmdDisableAutoBookMark.Enabled());
    changes.FailResume(kErrorInvalidHandle);
    SaveFavorite("x.url");
    Ticks(1);
    EXPECT_FALSE(Has("x.url")) << "the change that was seen is still acted on";
    EXPECT_TRUE(showsOff());
    changes.FailResume(kErrorSuccess);
    c.cmdEnableAutoBookMark.Click();
    changes.Break();
    Ticks(20);
    ASSERT_EQ(errors.reports.size(), 2u);
    EXPECT_EQ(std::tuple(errors.reports[0].tag, errors.reports[1].tag),
              std::tuple("frmMain,WatchResume", "frmMain,WatchDirectory"));
    EXPECT_TRUE(showsOff());

    // No Favorites folder to watch: the guard does not start.
    folders.Set(kCsidlFavorites, "C:\\Documents and Settings\\bob\\Missing");
    c.cmdEnableAutoBookMark.Click();
    EXPECT_TRUE(showsOff() && changes.OpenWatches() == 0);
}

// A report may let messages through; Disable clicked then ends the pass and the watch
// without anything used after it was closed.
TEST_F(FavoritesGuardTest, DisableDuringAReportStopsThePass) {
    struct DisablingSink : ErrorSink {
        FavoritesGuardControls* controls = nullptr;
        int reports = 0;
        void ReportError(const std::string&, const RuntimeError&) noexcept override {
            ++reports;
            controls->cmdDisableAutoBookMark.Click();
        }
    } sink;
    sink.controls = &c;
    FavoritesGuard nested{c, shellFolders, files, changes, clock, sink};

    c.cmdEnableAutoBookMark.Click();
    clock.AdvanceMs(1000);
    AddFileAt("a readonly.url", 10, 1, 6, kAttrReadOnly);
    SaveFavorite("b.url");
    Ticks(3);
    EXPECT_EQ(sink.reports, 1);
    EXPECT_TRUE(Has("b.url")) << "the pass ended when the guard was switched off";
    EXPECT_TRUE(!nested.Guarding() && changes.OpenWatches() == 0);
}

}  // namespace
}  // namespace cw::testing
