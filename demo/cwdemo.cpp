// The headless demo's user: starts the installed Clearwell.exe, shows the "Privacy" page,
// clicks "Select All" and "Analyze" (prints the analysis table; screenshots privacy-before and
// analysis), closes the analysis, clicks "Wipe Selected Items", answers Yes to
// the question and OK to the report, saves privacy-after, and closes the program with the
// exit question answered Yes. Screenshots go through the local test server
// (CW_TEST_HTTP_PORT) into its screenshot folder.

#include <cstdio>
#include <string>
#include <vector>

#include "app/ControlIds.h"
#include "app/MainControls.h"
#include "app/MainView.h"
#include "driver/GuiDriver.h"

namespace {

namespace gui = cw::gui;
namespace m = cw::ids::frmMain;

constexpr char kClearwell[] = "C:\\Program Files\\Clearwell\\Clearwell.exe";

void Say(const std::string& text) {
    std::printf("cwdemo: %s\n", text.c_str());
    std::fflush(stdout);
}

bool AllTicked(const gui::Window& w) {
    for (int id : {m::chkDocuments, m::chkInternetHistory, m::chkRunMenu,      m::NetScape1,
                   m::netscape2,    m::netscape3,          m::chkUrls,         m::chkTemp,
                   m::chkFindFiles, m::chkFindComputers,   m::chkPrinterPorts, m::chkAutoComplete,
                   m::chkRecBin,    m::chkWzip1,           m::chkWzip2,        m::chkVb,
                   m::chkWordPad,   m::chkCookies,         m::chkPbrush,       m::chkMediaPlayer,
                   m::chkIECache,   m::chkClearIndexDAT}) {
        if (!w.Checked(id)) return false;
    }
    return true;
}

// Opens the analysis of the ticked items, prints its table when it is complete, saves its
// screenshot and closes it again.
void ShowAnalysis(gui::Process& app, gui::Window& w) {
    namespace a = cw::ids::frmAnalysis;
    w.Click(m::cmdAnalyze);
    gui::Window analysis(app.WaitForWindow("ClearwellAnalysis", "Analysis -- Clearwell"), app);
    std::vector<std::vector<std::string>> rows;
    gui::WaitUntil(
        [&] {
            rows = analysis.ListViewRows(a::lvwAnalysis, 3);
            return !rows.empty() && rows.back()[0] == "All items";
        },
        "the analysis to end", 60000);
    Say("Analyze: what the wipe will remove (screenshot analysis.png)");
    for (const auto& row : rows)
        std::printf("  %-34s %10s %12s\n", row[0].c_str(), row[1].c_str(), row[2].c_str());
    analysis.Screenshot("analysis");
    analysis.Click(a::cmdClose);
    analysis.WaitClosed("the analysis window");
}

void Drive() {
    gui::Process app = gui::Process::Start(kClearwell);
    gui::Window w(app.WaitForWindow(cw::kMainWindowClass, cw::kMainCaption), app);
    Say("Clearwell is running; showing the Privacy page");
    w.ClickToolbarButton(m::tlbMain, 2);
    gui::WaitUntil([&] { return w.ControlVisible(m::fraMain(1)); }, "the Privacy page");

    w.Click(m::cmdSelectAll);
    gui::WaitUntil([&] { return AllTicked(w); }, "every item ticked");
    w.Screenshot("privacy-before");
    Say("Select All (screenshot privacy-before.png)");
    ShowAnalysis(app, w);
    Say("Wipe Selected Items");
    w.Click(m::cmdCleanSelectedItems);
    HWND question = gui::WaitForMessageBox(app, "Do you want to shred selected items now?");
    Say("\"" + gui::MessageBoxText(question) + "\": Yes");
    gui::Answer(question, IDYES);
    HWND done = gui::WaitForMessageBox(app, "Your system has now been cleaned", 60000);
    Say("\"" + gui::MessageBoxText(done) + "\": OK");
    gui::Answer(done, IDOK);
    w.Screenshot("privacy-after");
    Say("screenshot privacy-after.png; closing Clearwell");

    w.Post(WM_CLOSE);
    gui::Answer(gui::WaitForMessageBox(app, "Are you sure you want to exit this program?"), IDYES);
    if (app.WaitForExit(10000) == -1) throw gui::DriverError("Clearwell did not end");
}

}  // namespace

int main() {
    try {
        Drive();
        return 0;
    } catch (const gui::DriverError& e) {
        std::printf("cwdemo: %s\n", e.what());
        return 1;
    }
}
