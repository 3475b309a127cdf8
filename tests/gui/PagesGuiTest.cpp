// The pages that clean, shred and show the system through the real window.

#include "ClearwellGui.h"
#include "clean/CleaningPlan.h"
#include "demo/BrowserTraces.h"
#include "demo/Traces.h"
#include "demo/UrlCacheSeeding.h"
#include "text/Convert.h"

namespace cw::gui {
namespace {

class CleaningGui : public ClearwellGui {
  protected:
    void SetUp() override {
        ClearwellGui::SetUp();
        registry_.DeleteValue(kHkeyLocalMachine, settings::kMarkerKey, settings::kMarkerValue);
        traces::SeedTypedUrls();
        traces::SeedRunList();
        traces::SeedPrinterPorts();
        printerPorts_ = traces::CountPrinterPorts();
        ASSERT_TRUE(traces::CountTypedUrls() > 0 && traces::CountRunList() > 0 &&
                    printerPorts_ > 0);
    }
    std::string Marker() {
        return Read(kHkeyLocalMachine, settings::kMarkerKey, settings::kMarkerValue);
    }
    // "Wipe Selected Items", Yes, and the closing message's text once answered.
    std::string Wipe(const std::string& screenshot = "") {
        W().Click(m::cmdCleanSelectedItems);
        HWND question = WaitForMessageBox(App(), "Do you want to shred selected items now?");
        EXPECT_EQ(TextOf(question), "Clearwell");
        Answer(question, IDYES);
        HWND done = WaitForMessageBox(App(), "Your system has now been cleaned", 30000);
        EXPECT_EQ(TextOf(done), "Done....");
        std::string text = MessageBoxText(done);
        if (!screenshot.empty()) Window(done, App()).Screenshot(screenshot);
        Answer(done, IDOK);
        return text;
    }
    static std::vector<std::string> CookieEntries() {
        std::vector<std::string> urls;
        for (const auto& e : demo::ListUrlCache(""))
            if (e.sourceUrl.rfind("Cookie:", 0) == 0) urls.push_back(e.sourceUrl);
        return urls;
    }
    int printerPorts_ = 0;
};

TEST_F(CleaningGui, WipeSelectedItemsCleansTheTickedItemsAfterAskingAndSaysSo) {
    Start();
    ShowPage(1);
    for (int id : {m::chkUrls, m::chkRunMenu, m::chkCookies, m::chkTemp})
        W().SetChecked(id, true);
    // A file in Temp another program holds open stays, and the closing message says so.
    const std::string held = traces::TempFolder() + "\\held by another program.tmp";
    WriteFile(held, "held");
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    std::string said = Wipe("cleaned-with-left-over");
    EXPECT_NE(said.find("\n1 item could not be removed: 1 in use."), std::string::npos) << said;
    CloseHandle(holder);
    EXPECT_EQ(testing::ReadFile(held), "held");
    DeleteFileA(held.c_str());

    EXPECT_EQ(traces::CountTypedUrls(), 0);
    EXPECT_EQ(traces::CountRunList(), 0);
    EXPECT_EQ(traces::CountPrinterPorts(), printerPorts_) << "an item that was not ticked";
    // The interactive run marks that its cookie step ran.
    EXPECT_EQ(Marker(), "tt");
    Close();  // the user's close never stores the selection
    EXPECT_EQ(Setting("chkUrls"), "<none>");
}

TEST_F(CleaningGui, AnalyzeShowsWhatTheWipeThenRemovesAndChangesNothing) {
    namespace a = ids::frmAnalysis;
    ASSERT_TRUE(demo::SeedBrowserTraces());
    StoreSetting("KeepCookies", "a.example;Site1.Example");
    Start();
    ShowPage(1);
    for (int id : {m::chkUrls, m::chkRunMenu, m::netscape3, m::chkCookies, m::chkIECache})
        W().SetChecked(id, true);
    const int typedUrls = traces::CountTypedUrls();

    W().Click(m::cmdAnalyze);
    Window w(App().WaitForWindow("ClearwellAnalysis", "Analysis -- Clearwell"), App());
    std::vector<std::vector<std::string>> rows;
    WaitUntil(
        [&] {
            rows = w.ListViewRows(a::lvwAnalysis, 3);
            return !rows.empty() && rows.back()[0] == "All items";
        },
        "the analysis to end", 30000);
    std::vector<std::string> items;
    for (const auto& row : rows)
        items.push_back(row[0]);
    EXPECT_EQ(items, (std::vector<std::string>{
                         "Recent Items From Run Menu", "Netscape Cookies", "IE Typed Web Address",
                         "IE Cookies", "Temporary Internet Files", "Kept cookies", "All items"}));
    EXPECT_EQ(rows[2][1], std::to_string(typedUrls));
    EXPECT_NE(w.Text(a::lblStatus).find("Wiping these items would remove"), std::string::npos);
    w.Screenshot("analysis-seeded");

    // Close; the wipe removes what the analysis counted.
    w.Click(a::cmdClose);
    w.WaitClosed("the analysis window");
    const int traces = std::stoi(rows.back()[1]);
    std::string dump;
    for (const auto& row : rows)
        dump += row[0] + "|" + row[1] + "|" + row[2] + "\n";
    SCOPED_TRACE(dump);
    EXPECT_EQ(Wipe(), "Your system has now been cleaned\n" + DescribeTraces(traces) + " removed, " +
                          rows.back()[2] + " freed.");
}

// A domain added to the cookies to keep keeps its cookies through a wipe.
TEST_F(CleaningGui, ADomainAddedToTheCookiesToKeepSurvivesTheWipe) {
    namespace k = ids::frmKeepCookies;
    ASSERT_TRUE(demo::SeedBrowserTraces());
    Start();
    Window w = Open(m::mKeepCookies, "ClearwellKeepCookies", "Cookies to Keep -- Clearwell");
    for (const char* domain : {"Site1.Example", "bank.example"}) {
        w.Type(k::txtDomain, domain);
        w.Click(k::cmdAdd);
        w.WaitForText(k::txtDomain, "");  // added: the field is empty for the next one
    }
    WaitUntil([&] { return w.Items(k::lstDomains).size() == 2; }, "two domains listed");
    EXPECT_EQ(Setting("KeepCookies"), "site1.example;bank.example");
    w.Screenshot("keep-cookies");

    ShowPage(1);
    W().SetChecked(m::chkCookies, true);
    Wipe();
    EXPECT_EQ(CookieEntries(), std::vector<std::string>{"Cookie:bob@site1.example/"});
}

// A daily schedule that comes due while the question of a wipe by hand is open runs as soon
// as that run has ended, rather than being lost for the day.
TEST_F(CleaningGui, AScheduledRunDueDuringARunByHandRunsRightAfterIt) {
    for (const char* box : settings::kCleaningBoxes)
        StoreSetting(box, "0");
    StoreSetting("chkTemp", "1");
    const std::string trace = traces::TempFolder() + "\\cw-scheduled-later.tmp";
    WriteFile(trace, "trace");
    Start();
    ShowPage(1);
    W().Click(m::cmdCleanSelectedItems);
    HWND question = WaitForMessageBox(App(), "Do you want to shred selected items now?");
    // The schedule is read at every tick (each second in the test build): due from now on,
    // with time for a tick or two before the minute ends.
    SYSTEMTIME now;
    GetLocalTime(&now);
    if (now.wSecond >= 56) {
        Sleep((61 - now.wSecond) * 1000);
        GetLocalTime(&now);
    }
    StoreSetting(settings::kDailyScheduleTime, text::FormatHHmmss(now.wHour, now.wMinute, 0));
    Sleep(2500);  // the schedule's ticks come and find the run under way
    EXPECT_TRUE(PathExists(trace)) << "nothing runs while the question is open";
    Answer(question, IDNO);
    WaitUntil([&] { return !PathExists(trace); }, "the scheduled run right after");
}

TEST_F(CleaningGui, PanicKeyCleansEveryItemStoresEveryBoxAndEndsTheProgram) {
    Start();
    ShowPage(2);
    W().ClickToolbarButton(m::tlbMain, 7);
    ASSERT_EQ(App().WaitForExit(60000), 0) << "the panic run did not end the program";
    for (const char* box : settings::kCleaningBoxes)
        EXPECT_EQ(Setting(box), "1") << box;
    EXPECT_EQ(traces::CountPrinterPorts(), 0);
    EXPECT_EQ(Marker(), "<none>") << "only the interactive run writes the marker";
}

// "Shred files when shutting down": Windows asks the program whether the session may end,
// the user agrees to the exit question, and the ticked items are cleaned before it ends.
TEST_F(CleaningGui, TheEndOfTheSessionCleansTheTickedItemsAfterTheUsersYes) {
    StoreSetting("chkRunMenu", "1");
    StoreSetting(settings::kRunOnExit, "True");
    Start();
    W().Post(WM_QUERYENDSESSION, 0, 0);
    Answer(WaitForMessageBox(App(), kExitQuestion), IDYES);
    WaitUntil([] { return traces::CountRunList() == 0; }, "the Run list cleaned");
    W().Post(WM_ENDSESSION, TRUE, 0);
    EXPECT_NE(App().WaitForExit(10000), -1) << "the program did not end with the session";
    EXPECT_GT(traces::CountTypedUrls(), 0) << "an item that was not ticked";
    EXPECT_EQ(traces::CountPrinterPorts(), printerPorts_);
}

class ShredderGui : public ClearwellGui {};

TEST_F(ShredderGui, AFileDroppedOnTheListIsShredded) {
    const std::string dir = testing::MakeScratchFolder("gui-drop");
    const std::string first = dir + "\\tax return 2004.doc", second = dir + "\\notes.txt";
    WriteFile(first, std::string(3000, 'x'));
    WriteFile(second, "notes");
    Start();
    ShowPage(5);
    // Three items dropped: the list takes every one.
    const std::string third = dir + "\\held open.txt";
    WriteFile(third, "held");
    W().DropFiles(m::lstFiles, {first, second, third});
    WaitUntil(
        [&] {
            return W().Items(m::lstFiles) == std::vector<std::string>{first, second, third};
        },
        "the dropped files listed");
    EXPECT_EQ(W().Text(m::lFC), "There are 3 files ready for deleting!");
    W().Select(m::lstFiles, 0);
    W().WaitForText(m::txtFileName, first);
    W().Screenshot("shredder-list");

    // One of them is held open by another program: it stays, marked, and the status says so.
    HANDLE holder = CreateFileA(third.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    W().Click(m::cmdShredDelete);
    W().WaitForText(m::lStat, "1 file could not be shredded");
    EXPECT_FALSE(PathExists(first) || PathExists(second));
    EXPECT_EQ(W().Items(m::lstFiles), std::vector<std::string>{third + "  (not shredded)"});
    EXPECT_TRUE(W().ControlEnabled(m::cmdShredDelete));
    W().Screenshot("shredder-partial");
    CloseHandle(holder);
    W().Click(m::cmdShredDelete);
    WaitUntil([&] { return !PathExists(third); }, "the last file shredded");
    WaitUntil([&] { return W().Items(m::lstFiles).empty(); }, "the list emptied");
    EXPECT_EQ(W().Text(m::lStat), "Waiting...");
    EXPECT_FALSE(W().ControlEnabled(m::cmdShredDelete));
}

class SystemInfoGui : public ClearwellGui {};

TEST_F(SystemInfoGui, TheVersionTextsMatchTheWindowsWinePretendsToBe) {
    struct Case {
        const char* wineVersion;
        const char* edition;
        const char* platform;
        const char* version;
        const char* servicePack;
    } cases[] = {
        {"win98", "Windows 98 SE", "Windows 95/98/ME", "4.10.2222", " A "},
        {"win2k", "Windows 2000 Professional", "Windows NT", "5.00.2195", "Service Pack 4"},
        {"winxp", "Windows XP Professional", "Windows NT", "5.01.2600", "Service Pack 3"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.wineVersion);
        testing::WineVersion version(k.wineVersion);
        Start();
        ShowPage(4);
        EXPECT_EQ(W().Text(m::lblOSVer), k.edition);
        EXPECT_EQ(W().Text(ids::Element(m::lblWin, 1)), k.platform);
        EXPECT_EQ(W().Text(ids::Element(m::lblWinVer, 1)), k.version);
        EXPECT_EQ(W().Text(ids::Element(m::lblWinAdditional, 1)), k.servicePack);
        EXPECT_NE(W().Text(ids::Element(m::lblPhysical, 1)).find(" kByte"), std::string::npos);
        W().Screenshot(std::string("system-info-") + k.wineVersion);
        Close();
    }
}

}  // namespace
}  // namespace cw::gui
