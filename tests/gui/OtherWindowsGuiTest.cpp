// The settings, About and update windows of the real Clearwell.exe under Wine, opened from
// the main window's menus and driven from outside as a user would.

#include "BuildConfig.h"
#include "ClearwellGui.h"
#include "sysinfo/AboutWindow.h"

namespace cw::gui {
namespace {

namespace s = ids::frmSettings;
namespace a = ids::frmAbout;
namespace u = ids::frmAutoUpdate;
using Lines = std::vector<Window::ListLine>;
using testing::TestServer;

class OtherWindowsGui : public ClearwellGui {
  protected:
    void SetUp() override {
        ClearwellGui::SetUp();
        testing::DeleteKeyTree(settings::kUpdateRoot, settings::kUpdateKey);
        registry_.DeleteValue(kHkeyCurrentUser, settings::kRunKey, settings::kRunValue);
        TestServer::Reset();
        Start();
    }
    Window Settings() { return Open(m::mSettings, "ClearwellSettings", "Settings -- Clearwell"); }
    Window About() { return Open(m::mAboutClearwell, "ClearwellAbout", "About Clearwell"); }
    std::string RunEntry() {
        return Read(kHkeyCurrentUser, settings::kRunKey, settings::kRunValue);
    }
    // Neither the new release nor the update state was left behind.
    void ExpectNothingUpdated() {
        EXPECT_FALSE(PathExists("C:\\cwtest\\cwl.exe"));
        EXPECT_EQ(Read(settings::kUpdateRoot, settings::kUpdateKey, "Up"), "<none>");
    }
    static int ServerLines(const std::string& start) {
        int n = 0;
        for (const std::string& line : TestServer::Log())
            n += line.rfind(start, 0) == 0;
        return n;
    }
    void FocusOn(const Window& w, int id) {
        WaitUntil([&] { return w.Focus() == w.Control(id); }, "the focus on " + std::to_string(id));
    }
};

TEST_F(OtherWindowsGui, SettingsOpenOnTheStoredScheduleAndSaveEachGroupWithItsButton) {
    Window w = Settings();
    w.Screenshot("settings-empty");

    // The menu item again: the same window comes to the front.
    Window about = About();
    WaitUntil([&] { return about.InFront(); }, "the About window in front");
    W().Command(m::mSettings);
    WaitUntil([&] { return w.InFront(); }, "the settings window back in front");
    EXPECT_EQ(App().WindowsOfClass("ClearwellSettings").size(), 1u);

    // Hourly: the interval list sits in the gap of "Every ... hour".
    w.Select(s::cmbScheduleType, 0);
    // The view shows one control and hides the other in turn: wait for both.
    WaitUntil([&] { return w.ControlVisible(s::cmbHour) && !w.ControlVisible(s::dtStartTime); },
              "the hour list shown and the time picker hidden");

    // Daily at 07:30: Set stores the time with the picker's seconds.
    w.Select(s::cmbScheduleType, 1);
    WaitUntil(
        [&] {
            return w.ControlVisible(s::dtStartTime) && !w.ControlVisible(s::cmbHour) &&
                   !w.ControlVisible(s::cmbWeekDays);
        },
        "the time picker shown, the hour and day lists hidden");
    w.TypeTime(s::dtStartTime, 7, 30);
    w.Click(s::cmdScheduleSet);
    WaitUntil([&] { return Setting(settings::kDailyScheduleTime).rfind("07:30:", 0) == 0; },
              "DailyScheduleTime 07:30:ss");
    EXPECT_EQ(Setting(settings::kDailyScheduleTime).size(), 8u);
    w.Screenshot("settings-daily");

    // The AutoCheck buttons store at once; the one pressed disables itself, the other is enabled.
    w.Click(s::cmdEnable);
    WaitUntil([&] { return Setting(settings::kAutoCheck) == "True"; }, "AutoCheck True");
    EXPECT_FALSE(w.ControlEnabled(s::cmdEnable));
    EXPECT_TRUE(w.ControlEnabled(s::cmdDisable));

    // OK with Check1 ticked: the start-up entry is the program's full path; the window goes.
    w.SetChecked(s::Check1, true);
    w.Click(s::cmdOK);
    w.WaitClosed("the settings window");
    EXPECT_EQ(RunEntry(), "C:\\cwtest\\Clearwell.exe");
    EXPECT_EQ(Setting(settings::kRunOnExit), "False");

    // Opened again: as stored (Check1 ticked). Unticked, OK removes the entry.
    Window again = Settings();
    EXPECT_EQ(again.Text(s::cmbScheduleType), "Daily");
    SYSTEMTIME time = again.PickerTime(s::dtStartTime);
    EXPECT_TRUE(time.wHour == 7 && time.wMinute == 30) << time.wHour << ":" << time.wMinute;
    again.SetChecked(s::Check1, false);
    again.Click(s::cmdOK);
    WaitUntil([&] { return RunEntry() == "<none>"; }, "the start-up entry removed");
    EXPECT_TRUE(App().Running());
}

TEST_F(OtherWindowsGui, SettingsKeysWorkAsInADialog) {
    Window w = Settings();
    FocusOn(w, s::cmbScheduleType);
    // Nothing is stored: a weekly schedule picked shows its day list and time picker.
    w.Select(s::cmbScheduleType, 2);
    WaitUntil([&] { return w.ControlVisible(s::cmbWeekDays) && w.ControlVisible(s::dtStartTime); },
              "the day list and the time picker shown");
    FocusOn(w, s::cmbScheduleType);
    // Tab walks the controls that are shown and enabled, in the window's order.
    for (int id : {s::cmbWeekDays, s::dtStartTime, s::chkCloseBrowser, s::cmdScheduleSet,
                   s::cmdDisableSchedule, s::Check1, s::Check2, s::cmdEnable, s::cmdOK,
                   s::cmdCancel, s::cmbScheduleType}) {
        w.PressKey(VK_TAB);
        FocusOn(w, id);
    }
    // Esc is Cancel: the window goes and nothing was stored.
    w.PressKey(VK_ESCAPE);
    w.WaitClosed("Esc: the settings window");
    EXPECT_EQ(Setting(settings::kRunOnExit), "<none>");

    // Enter is OK (the default button) wherever the focus is but on another button.
    Window again = Settings();
    again.SetChecked(s::Check2, true);
    again.PressKey(VK_RETURN);
    again.WaitClosed("Enter: the settings window");
    EXPECT_EQ(Setting(settings::kRunOnExit), "True");
}

TEST_F(OtherWindowsGui, AboutShowsItsTextsAndStartsTheSystemInformationProgramWhereItIs) {
    // Where the system information program is recorded: the location names its folder.
    testing::ScopedRegistryValue path(kHkeyLocalMachine, kSysInfoKey, kSysInfoValue),
        location(kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue);
    path.Remove();
    location.Remove();
    std::string folder = testing::MakeScratchFolder("msinfo");
    std::string program = folder + "\\MSINFO32.EXE";
    WriteFile(program, testing::ReadFile("C:\\cwtest\\mark_started.exe"));

    Window w = About();
    EXPECT_NE(w.Text(a::Text1).find("Clearwell removes the traces"), std::string::npos);
    EXPECT_EQ(w.Text(a::Label5), build::kMakerWebAddress);
    EXPECT_EQ(w.Text(a::cmdSysInfo), "&System Info...");
    w.Screenshot("about");

    // The recorded folder holds it: it starts (and has closed its mark once the mark can go).
    // (Nothing recorded, a folder without it, and "PATH" first: host AboutWindowTest.)
    location.Set(folder);
    w.Click(a::cmdSysInfo);
    WaitUntil([&] { return DeleteFileA((program + ".started").c_str()) != FALSE; },
              "MSINFO32.EXE started");

    // Esc closes it, as OK does; opened again, the focus is on OK: Enter closes it.
    w.PressKey(VK_ESCAPE);
    w.WaitClosed("Esc: the About window");
    Window again = About();
    FocusOn(again, a::cmdOK);
    again.PressKey(VK_RETURN);
    again.WaitClosed("Enter: the About window");
    EXPECT_TRUE(App().Running());
}

TEST_F(OtherWindowsGui, UpdateWindowReportsEachOutcomeAndTheProgramRunsOn) {
    Window w = UpdateWindow();
    EXPECT_NE(w.Text(u::Label1).find("AutoUpdate checks the Internet"), std::string::npos);
    w.Screenshot("update-window");

    // No version file on the server (404).
    w.Click(u::cmdProceed);
    Lines noUpdate = {{"Checking for updates...", 1}, {"No new update available.", 2}};
    WaitUntil([&] { return w.ListViewLines(u::ListView1) == noUpdate; },
              "\"No new update available.\"");

    // A newer release whose download is refused every time: six attempts, then the failure
    // line, and the program goes on.
    TestServer::Route("/cwl.txt", "body=6%0D%0A");
    TestServer::Route("/cwlupdate.exe", "status=404");
    w.Click(u::cmdProceed);
    Lines failed = {{"Checking for updates...", 1},
                    {"New Update available.", 1},
                    {"Dowanloading New Version...Please wait.", 1},
                    {"This may take some time...", 0},
                    {"Depending on your Internet connection speed", 0},
                    {"The update could not be completed. Please try again later.", 2}};
    WaitUntil([&] { return w.ListViewLines(u::ListView1) == failed; }, "the failure line", 30000);
    EXPECT_EQ(ServerLines("GET /cwlupdate.exe"), 6);
    ExpectNothingUpdated();
    w.Screenshot("update-failed");
    EXPECT_TRUE(App().Running());
}

TEST_F(OtherWindowsGui, CancelAbandonsADownloadUnderWay) {
    TestServer::Route("/cwl.txt", "body=6%0D%0A");
    // 100 kB in 16-byte pieces, 20 ms apart: over two minutes.
    TestServer::Route("/cwlupdate.exe", "size=100000&trickle=20");
    Window w = UpdateWindow();
    w.Click(u::cmdProceed);
    WaitUntil([&] { return w.ListViewLines(u::ListView1).size() == 5; }, "the download", 20000);
    WaitUntil([&] { return ServerLines("GET /cwlupdate.exe") > 0; }, "the server to see it");
    w.Click(u::cmdCancel);
    w.WaitClosed("Cancel: the update window");
    WaitUntil([&] { return ServerLines("ABORTED GET /cwlupdate.exe") > 0; },
              "the transfer to be abandoned", 20000);
    KeepsTrue([&] { return App().Running(); }, "Clearwell runs on", 1500);
    ExpectNothingUpdated();
    // The window opens again, empty, and the main window answers.
    EXPECT_TRUE(UpdateWindow().ListViewLines(u::ListView1).empty());
}

TEST_F(OtherWindowsGui, TheUnloadClosesEveryOtherWindowAndTheProgramEnds) {
    UpdateWindow();
    Settings();
    About();
    Close(/*fromMenu=*/true);
}

}  // namespace
}  // namespace cw::gui
