// Closing the browsers, on windows another process made: frame windows of Internet Explorer,
// windows titled like Internet Explorer's and Netscape's, and one that refuses to close.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "gui/programs/CleaningWorld.h"
#include "support/Process.h"

namespace cw::testing {
namespace {

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = 15000) {
    DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowA(className, title);
        if (window || GetTickCount() - start > timeoutMs) return window;
        Sleep(50);
    }
}

struct TitleSearch {
    std::string text;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTitled(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<TitleSearch*>(lParam);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (std::string(title).find(search->text) != std::string::npos) {
        search->found.push_back(window);
    }
    return TRUE;
}

// The top-level windows whose title contains the text, in enumeration order.
std::vector<HWND> WindowsTitled(const std::string& text) {
    TitleSearch search{text, {}};
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class BrowserClosingTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (HWND control = FindWindowA("CwWindowsControl", nullptr)) {
            PostMessageA(control, WM_CLOSE, 0, 0);
        }
    }
    std::unique_ptr<world::CleaningWorld> world = std::make_unique<world::CleaningWorld>();
};

TEST_F(BrowserClosingTest, FramesAllCloseAndOnlyTheFirstTitleMatchOfEachBrowser) {
    BackgroundHelper helper(
        "cwwindows",
        "\"IEFrame:Home - Microsoft Internet Explorer\" \"IEFrame:\" \"IEFrame:Blank page\" "
        "\"CwTitled:Report - Microsoft Internet Explorer\" "
        "\"CwTitled:Invoice - Microsoft Internet Explorer\" \"CwTitled:NETSCAPE Navigator\" "
        "\"CwTitled:Inbox - Netscape Mail\" \"CwTitled:Notes about browsers\"");
    ASSERT_TRUE(helper.Started());
    ASSERT_NE(WaitForWindow("CwWindowsControl", "cwwindows control"), nullptr);
    ASSERT_EQ(WindowsTitled("Microsoft Internet Explorer").size(), 3u);
    std::vector<HWND> ieTitles;
    for (HWND w : WindowsTitled("Microsoft Internet Explorer")) {
        char name[64] = {};
        GetClassNameA(w, name, sizeof name);
        if (std::string(name) == "CwTitled") ieTitles.push_back(w);
    }
    std::vector<HWND> netscape = WindowsTitled("NETSCAPE");
    for (HWND w : WindowsTitled("Netscape"))
        netscape.push_back(w);
    // The first in enumeration order of the two Netscape windows.
    HWND firstNetscape = nullptr;
    for (HWND w : WindowsTitled("")) {
        if (w == netscape[0] || w == netscape[1]) {
            firstNetscape = w;
            break;
        }
    }

    EXPECT_EQ(world->browsers.CloseIEWindows(), 3);
    EXPECT_EQ(FindWindowA("IEFrame", nullptr), nullptr);
    EXPECT_TRUE(world->browsers.CloseWindowByTitle("Internet Explorer"));
    EXPECT_TRUE(world->browsers.CloseWindowByTitle("Netscape"));
    Sleep(500);  // the helper handles the posted requests
    EXPECT_FALSE(IsWindow(ieTitles[0])) << "the first title match closes";
    EXPECT_TRUE(IsWindow(ieTitles[1])) << "and only the first";
    for (HWND w : netscape)
        EXPECT_EQ(IsWindow(w) != FALSE, w != firstNetscape);
    EXPECT_NE(FindWindowA("CwTitled", "Notes about browsers"), nullptr);
}

TEST_F(BrowserClosingTest, AFrameThatRefusesToCloseDoesNotHoldTheRunPastTheBound) {
    BackgroundHelper helper("cwwindows",
                            "\"refuse:IEFrame:Stubborn - Microsoft Internet Explorer\"");
    ASSERT_TRUE(helper.Started());
    ASSERT_NE(WaitForWindow("CwWindowsControl", "cwwindows control"), nullptr);
    HWND stubborn = FindWindowA("IEFrame", nullptr);
    ASSERT_NE(stubborn, nullptr);
    world->privacy.chkVb.SetValue(1);

    DWORD start = GetTickCount();
    world->privacy.cmdCleanSelectedItems.Click();
    DWORD elapsed = GetTickCount() - start;

    EXPECT_LE(elapsed, 12000u) << "10 s for the browsers, then the run";
    EXPECT_GE(elapsed, 9000u) << "the stubborn window was given its time";
    EXPECT_TRUE(IsWindow(stubborn));
    char title[256] = {};
    GetWindowTextA(stubborn, title, sizeof title);
    std::string text = title;
    std::size_t at = text.rfind(" #");
    ASSERT_NE(at, std::string::npos) << text;
    int requests = std::stoi(text.substr(at + 2));
    RecordProperty("close_requests", requests);
    RecordProperty("elapsed_ms", static_cast<int>(elapsed));
    // At most 50 requests from the IEFrame loop, and one more from the title search, since the
    // window's title holds "Internet Explorer".
    EXPECT_GE(requests, 2);
    EXPECT_LE(requests, 51);
    ASSERT_FALSE(world->dialogs.prompts.empty());
    EXPECT_EQ(world->dialogs.prompts.back(), "Your system has now been cleaned");
}

}  // namespace
}  // namespace cw::testing
