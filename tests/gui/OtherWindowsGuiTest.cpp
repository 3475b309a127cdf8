// The settings, About and update windows of the real Clearwell.exe under Wine, opened from
// the main window's menus and driven from outside as a user would.

#include <gtest/gtest.h>

#include <memory>

#include "BuildConfig.h"
#include "app/ControlIds.h"
#include "app/MainControls.h"
#include "app/MainView.h"
#include "driver/GuiDriver.h"
#include "platform/win32/Win32Registry.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/TestWorld.h"
#include "sysinfo/AboutWindow.h"

namespace cw::gui {
namespace {

namespace m = ids::frmMain;
namespace s = ids::frmSettings;
namespace a = ids::frmAbout;
namespace u = ids::frmAutoUpdate;

constexpr char kExitQuestion[] = "Are you sure you want to exit this program?";

class OtherWindowsGui : public ::testing::Test {
  protected:
    win32::Win32Registry registry;
    SettingsStore store{registry};

    void SetUp() override {
        testing::DeleteKeyTree(settings::kSettingsRoot, settings::kSettingsKey);
        testing::DeleteKeyTree(settings::kUpdateRoot, settings::kUpdateKey);
        registry.DeleteValue(kHkeyCurrentUser, settings::kRunKey, settings::kRunValue);
        testing::TestServer::Reset();
        app_ = std::make_unique<Process>(Process::Start("Clearwell.exe"));
        main_ =
            std::make_unique<Window>(app_->WaitForWindow(kMainWindowClass, kMainCaption), *app_);
    }
    void TearDown() override {
        if (!app_ || !app_->Running()) return;
        main_->Post(WM_CLOSE);
        try {
            Answer(WaitForMessageBox(*app_, kExitQuestion, 5000), IDYES);
            app_->WaitForExit(10000);
        } catch (const DriverError&) {
        }
    }
    // Opens a window from a menu item of the main window.
    Window Open(int menuItem, const char* className, const char* caption) {
        main_->Command(menuItem);
        return Window(app_->WaitForWindow(className, caption, 10000), *app_);
    }
    std::string Setting(const char* name) {
        return store.GetSettingString(settings::kSettingsRoot, settings::kSettingsKey, name,
                                      "(missing)");
    }
    std::string RunEntry() {
        return store.GetSettingString(kHkeyCurrentUser, settings::kRunKey, settings::kRunValue,
                                      "(missing)");
    }

    std::unique_ptr<Process> app_;
    std::unique_ptr<Window> main_;
};

constexpr char kSettingsClass[] = "ClearwellSettings";
constexpr char kSettingsCaption[] = "Settings -- Clearwell";

TEST_F(OtherWindowsGui, SettingsOpenOnTheStoredScheduleAndSaveEachGroupWithItsButton) {
    Window w = Open(m::mSettings, kSettingsClass, kSettingsCaption);
    // An empty store: Weekly on Sunday, both general boxes clear, Enable available.
    EXPECT_EQ(w.Text(s::cmbScheduleType), "Weekly");
    EXPECT_EQ(w.Text(s::cmbWeekDays), "Sunday");
    EXPECT_TRUE(w.ControlVisible(s::dtStartTime));
    EXPECT_FALSE(w.ControlVisible(s::cmbHour));
    EXPECT_FALSE(w.Checked(s::Check1));
    EXPECT_FALSE(w.Checked(s::Check2));
    EXPECT_TRUE(w.ControlEnabled(s::cmdEnable));
    EXPECT_FALSE(w.ControlEnabled(s::cmdDisable));
    EXPECT_EQ(w.Text(s::Label2), "Schedule Type");
    w.Screenshot("settings-weekly");

    // The menu item again: the same window comes to the front.
    main_->Command(m::mAboutClearwell);
    Window about(app_->WaitForWindow("ClearwellAbout", "About Clearwell", 10000), *app_);
    WaitUntil([&] { return about.InFront(); }, "the About window in front");
    main_->Command(m::mSettings);
    WaitUntil([&] { return w.InFront(); }, "the settings window back in front");
    EXPECT_EQ(app_->CountWindowsOfClass(kSettingsClass), 1);

    // Hourly: the interval list sits in the gap of "Every ... hour".
    w.Select(s::cmbScheduleType, 0);
    WaitUntil([&] { return w.ControlVisible(s::cmbHour); }, "the hour list shown");
    EXPECT_FALSE(w.ControlVisible(s::dtStartTime));
    EXPECT_EQ(w.Items(s::cmbHour), (std::vector<std::string>{"1", "1", "2", "3", "4"}));
    w.Screenshot("settings-hourly");

    // Daily at 07:30: Set stores the time with the picker's seconds.
    w.Select(s::cmbScheduleType, 1);
    WaitUntil([&] { return w.ControlVisible(s::dtStartTime); }, "the time picker shown");
    EXPECT_FALSE(w.ControlVisible(s::cmbHour));
    EXPECT_FALSE(w.ControlVisible(s::cmbWeekDays));
    w.TypeTime(s::dtStartTime, 7, 30);
    w.Click(s::cmdScheduleSet);
    WaitUntil([&] { return Setting(settings::kDailyScheduleTime).rfind("07:30:", 0) == 0; },
              "DailyScheduleTime 07:30:ss");
    std::string stored = Setting(settings::kDailyScheduleTime);
    EXPECT_EQ(stored.size(), 8u) << stored;
    EXPECT_EQ(store.GetSettingLong(settings::kSettingsRoot, settings::kSettingsKey,
                                   settings::kWeeklyScheduleDay, -1),
              0);
    w.Screenshot("settings-daily");

    // The AutoCheck buttons store at once; the focus goes on from a button that disables
    // itself.
    w.Click(s::cmdEnable);
    WaitUntil([&] { return Setting(settings::kAutoCheck) == "True"; }, "AutoCheck True");
    EXPECT_FALSE(w.ControlEnabled(s::cmdEnable));
    EXPECT_TRUE(w.ControlEnabled(s::cmdDisable));

    // OK with Check1 ticked: the start-up entry is the program's full path; the window goes.
    w.SetChecked(s::Check1, true);
    w.Click(s::cmdOK);
    WaitUntil([&] { return !IsWindow(w.hwnd()); }, "the settings window to close");
    EXPECT_EQ(RunEntry(), "C:\\cwtest\\Clearwell.exe");
    EXPECT_EQ(Setting(settings::kRunOnExit), "False");

    // Opened again: as stored. Unticked, OK removes the entry.
    Window again = Open(m::mSettings, kSettingsClass, kSettingsCaption);
    EXPECT_EQ(again.Text(s::cmbScheduleType), "Daily");
    EXPECT_EQ(again.PickerTime(s::dtStartTime).wHour, 7);
    EXPECT_EQ(again.PickerTime(s::dtStartTime).wMinute, 30);
    EXPECT_TRUE(again.Checked(s::Check1));
    EXPECT_FALSE(again.ControlEnabled(s::cmdEnable));
    again.SetChecked(s::Check1, false);
    again.Click(s::cmdOK);
    WaitUntil([&] { return RunEntry() == "(missing)"; }, "the start-up entry removed");
    EXPECT_TRUE(app_->Running());
}

TEST_F(OtherWindowsGui, SettingsKeysWorkAsInADialog) {
    Window w = Open(m::mSettings, kSettingsClass, kSettingsCaption);
    WaitUntil([&] { return w.Focus() == w.Control(s::cmbScheduleType); },
              "the focus on the schedule type");
    // Tab walks the controls that are shown and enabled, in the window's order.
    const int order[] = {s::cmbWeekDays,    s::dtStartTime,        s::chkCloseBrowser,
                         s::cmdScheduleSet, s::cmdDisableSchedule, s::Check1,
                         s::Check2,         s::cmdEnable,          s::cmdOK,
                         s::cmdCancel,      s::cmbScheduleType};
    for (int id : order) {
        w.PressKey(VK_TAB);
        WaitUntil([&] { return w.Focus() == w.Control(id); },
                  "Tab to control " + std::to_string(id));
    }
    // Esc is Cancel: the window goes and nothing was stored.
    w.PressKey(VK_ESCAPE);
    WaitUntil([&] { return !IsWindow(w.hwnd()); }, "Esc to close the window");
    EXPECT_EQ(RunEntry(), "(missing)");
    EXPECT_EQ(Setting(settings::kRunOnExit), "(missing)");

    // Enter is OK (the default button) wherever the focus is but on another button.
    Window again = Open(m::mSettings, kSettingsClass, kSettingsCaption);
    again.SetChecked(s::Check2, true);
    again.PressKey(VK_RETURN);
    WaitUntil([&] { return !IsWindow(again.hwnd()); }, "Enter to close the window");
    EXPECT_EQ(Setting(settings::kRunOnExit), "True");
}

TEST_F(OtherWindowsGui, AboutShowsItsTextsAndStartsTheSystemInformationProgramWhereItIs) {
    registry.DeleteValue(kHkeyLocalMachine, kSysInfoKey, kSysInfoValue);
    registry.DeleteValue(kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue);
    std::string folder = testing::MakeScratchFolder("msinfo");
    std::string program = folder + "\\MSINFO32.EXE";
    testing::WriteFile(program, testing::ReadFile("C:\\cwtest\\mark_started.exe"));
    std::string started = program + ".started";

    Window w = Open(m::mAboutClearwell, "ClearwellAbout", "About Clearwell");
    EXPECT_NE(w.Text(a::Text1).find("Clearwell removes the traces"), std::string::npos);
    EXPECT_EQ(w.Text(a::Label5), build::kMakerWebAddress);
    EXPECT_EQ(w.Text(a::cmdSysInfo), "&System Info...");
    w.Screenshot("about");

    // Nothing recorded, or a folder without the program: nothing starts, nothing shows.
    w.Click(a::cmdSysInfo);
    registry.SetValue(kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue,
                      {kRegSz, "C:\\cwtest"});
    w.Click(a::cmdSysInfo);
    KeepsTrue([&] { return !testing::PathExists(started) && !FindMessageBox("", 0); },
              "nothing started and no message", 2000);

    // The folder holds it: it starts.
    registry.SetValue(kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue,
                      {kRegSz, folder});
    w.Click(a::cmdSysInfo);
    WaitUntil([&] { return testing::PathExists(started); }, "MSINFO32.EXE started");
    testing::WriteFile(started, "");
    DeleteFileA(started.c_str());

    // "PATH" names the program itself.
    std::string other = folder + "\\sysinfo_stand_in.exe";
    testing::WriteFile(other, testing::ReadFile("C:\\cwtest\\mark_started.exe"));
    registry.SetValue(kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, {kRegSz, other});
    w.Click(a::cmdSysInfo);
    WaitUntil([&] { return testing::PathExists(other + ".started"); }, "the PATH program started");
    EXPECT_FALSE(testing::PathExists(started));
    registry.DeleteValue(kHkeyLocalMachine, kSysInfoKey, kSysInfoValue);
    registry.DeleteValue(kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue);

    // Esc closes it, as OK does.
    w.PressKey(VK_ESCAPE);
    WaitUntil([&] { return !IsWindow(w.hwnd()); }, "Esc to close the About window");
    // Opened again, the focus is on OK: Enter closes it.
    Window again = Open(m::mAboutClearwell, "ClearwellAbout", "About Clearwell");
    WaitUntil([&] { return again.Focus() == again.Control(a::cmdOK); }, "the focus on OK");
    again.PressKey(VK_RETURN);
    WaitUntil([&] { return !IsWindow(again.hwnd()); }, "Enter to close the About window");
    EXPECT_TRUE(app_->Running());
}

using Lines = std::vector<Window::ListLine>;

TEST_F(OtherWindowsGui, UpdateWindowReportsEachOutcomeAndTheProgramRunsOn) {
    Window w = Open(m::mCheckUpgrades, "ClearwellAutoUpdate", "AutoUpdate");
    EXPECT_NE(w.Text(u::Label1).find("AutoUpdate checks the Internet"), std::string::npos);
    w.Screenshot("update-window");

    // No version file on the server (404).
    w.Click(u::cmdProceed);
    Lines noUpdate = {{"Checking for updates...", 1}, {"No new update available.", 2}};
    WaitUntil([&] { return w.ListViewLines(u::ListView1) == noUpdate; },
              "\"No new update available.\"");
    w.Screenshot("update-no-update");

    // A newer release whose download is refused every time: six attempts, then the failure
    // line, and the program goes on.
    testing::TestServer::Route("/cwl.txt", "body=6%0D%0A");
    testing::TestServer::Route("/cwlupdate.exe", "status=404");
    w.Click(u::cmdProceed);
    Lines failed = {{"Checking for updates...", 1},
                    {"New Update available.", 1},
                    {"Dowanloading New Version...Please wait.", 1},
                    {"This may take some time...", 0},
                    {"Depending on your Internet connection speed", 0},
                    {"The update could not be completed. Please try again later.", 2}};
    WaitUntil([&] { return w.ListViewLines(u::ListView1) == failed; }, "the failure line", 30000);
    int attempts = 0;
    for (const std::string& line : testing::TestServer::Log())
        attempts += line.find("GET /cwlupdate.exe") != std::string::npos;
    EXPECT_EQ(attempts, 6);
    EXPECT_FALSE(testing::PathExists("C:\\cwtest\\cwl.exe"));
    EXPECT_EQ(
        store.GetSettingString(settings::kUpdateRoot, settings::kUpdateKey, "Up", "(missing)"),
        "(missing)");
    w.Screenshot("update-failed");
    EXPECT_TRUE(app_->Running());
}

TEST_F(OtherWindowsGui, CancelAbandonsADownloadUnderWay) {
    testing::TestServer::Route("/cwl.txt", "body=6%0D%0A");
    // 100 kB in 16-byte pieces, 20 ms apart: over two minutes.
    testing::TestServer::Route("/cwlupdate.exe", "size=100000&trickle=20");
    Window w = Open(m::mCheckUpgrades, "ClearwellAutoUpdate", "AutoUpdate");
    w.Click(u::cmdProceed);
    WaitUntil(
        [&] {
            Lines lines = w.ListViewLines(u::ListView1);
            return lines.size() == 5;
        },
        "the download to start", 20000);
    WaitUntil(
        [&] {
            for (const std::string& line : testing::TestServer::Log())
                if (line.find("GET /cwlupdate.exe") != std::string::npos) return true;
            return false;
        },
        "the server to see the download");
    w.Click(u::cmdCancel);
    WaitUntil([&] { return !IsWindow(w.hwnd()); }, "Cancel to close the window");
    WaitUntil(
        [&] {
            for (const std::string& line : testing::TestServer::Log())
                if (line.rfind("ABORTED GET /cwlupdate.exe", 0) == 0) return true;
            return false;
        },
        "the transfer to be abandoned", 20000);
    KeepsTrue([&] { return app_->Running(); }, "Clearwell runs on", 1500);
    EXPECT_FALSE(testing::PathExists("C:\\cwtest\\cwl.exe"));
    EXPECT_EQ(
        store.GetSettingString(settings::kUpdateRoot, settings::kUpdateKey, "Up", "(missing)"),
        "(missing)");
    // The window opens again, empty, and the main window answers.
    Window again = Open(m::mCheckUpgrades, "ClearwellAutoUpdate", "AutoUpdate");
    EXPECT_TRUE(again.ListViewLines(u::ListView1).empty());
}

TEST_F(OtherWindowsGui, TheUnloadClosesEveryOtherWindowAndTheProgramEnds) {
    Open(m::mCheckUpgrades, "ClearwellAutoUpdate", "AutoUpdate");
    Open(m::mSettings, kSettingsClass, kSettingsCaption);
    Open(m::mAboutClearwell, "ClearwellAbout", "About Clearwell");
    main_->Command(m::mExit);
    Answer(WaitForMessageBox(*app_, kExitQuestion), IDYES);
    EXPECT_TRUE(app_->WaitForExit(10000)) << "Clearwell did not end";
    EXPECT_EQ(app_->ExitCode(), 0u);
}

}  // namespace
}  // namespace cw::gui
