// The update check and download under Wine: WinINet against the local test server, the
// real registry and real files. The program's folder is a scratch folder; starting the
// downloaded release is recorded instead of done (its bytes are only a header).

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>

#include "errors/ConnectionTest.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeShell.h"
#include "fakes/RecordingErrorSink.h"
#include "files/PathGuard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Internet.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32Transfer.h"
#include "settings/SettingNames.h"
#include "support/TestWorld.h"
#include "update/AutoUpdateTimer.h"
#include "update/AutoUpdateWindow.h"
#include "update/Sha256.h"

namespace cw::update {
namespace {

using cw::testing::TestServer;
using Clock = std::chrono::steady_clock;

// The bytes the test server sends for size=n.
std::string ServerExecutable(std::size_t n) {
    std::string s(n, 'x');
    s.replace(0, 2, "MZ");
    s.replace(0x3C, 4, std::string("\x40\0\0\0", 4));
    s.replace(0x40, 4, std::string("PE\0\0", 4));
    return s;
}

class UpdateUnderWine : public ::testing::Test {
  protected:
    win32::Win32Internet internet;
    win32::Win32Transfer transfer{"Clearwell"};
    win32::Win32Registry registry;
    SettingsStore settings{registry};
    win32::Win32FileSystem fs;
    win32::Win32SystemFolders folders;
    PathGuard guard{folders, fs};
    fakes::FakeShell shell;
    win32::Win32Clock clock;
    fakes::FakeDialogs dialogs;
    fakes::RecordingErrorSink errors;
    ConnectionTest connection{internet, {TestServer::BaseUrl() + "/", "Clearwell", 5000}};
    int programEnds = 0;
    Updater updater{connection,
                    transfer,
                    settings,
                    fs,
                    guard,
                    shell,
                    clock,
                    dialogs,
                    {TestServer::BaseUrl()},
                    [this] { ++programEnds; }};
    AutoUpdateWindow window{updater, connection, settings, &errors};
    std::string folder = cw::testing::MakeScratchFolder("update");

    UpdateUnderWine() {
        shell.modulePath = folder + "\\Clearwell.exe";
        cw::testing::DeleteKeyTree(settings::kUpdateRoot, settings::kUpdateKey);
        cw::testing::DeleteKeyTree(settings::kSettingsRoot, settings::kSettingsKey);
        TestServer::Reset();
    }
    void SetVer(const std::string& v) {
        settings.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey, "ver", v);
    }
    std::string Update(const char* name) {
        return settings.GetSettingString(settings::kUpdateRoot, settings::kUpdateKey, name,
                                         "(missing)");
    }
    int Requests(const std::string& path) {
        int n = 0;
        for (const std::string& line : TestServer::Log()) {
            n += line.rfind("GET " + path + " ", 0) == 0;
        }
        return n;
    }
    std::string LastLine() {
        const auto& items = window.ListView1.Items();
        return items.empty() ? "" : items.back().text;
    }
    std::string Download() { return cw::testing::ReadFile(folder + "\\cwl.exe"); }
};

TEST_F(UpdateUnderWine, AVersionFileAnsweredTwiceDecidesTheUpdate) {
    TestServer::Route("/cwl.txt", "body=6%0D%0A");
    TestServer::Route("/cwl.txt", "body=6%0D%0A");
    EXPECT_TRUE(updater.CheckForUpdate("5"));
    EXPECT_EQ(updater.PendingRelease(), "6");
    EXPECT_EQ(Requests("/cwl.txt"), 2);  // the size probe, then the text

    SetVer("7");
    EXPECT_FALSE(updater.CheckForUpdate("7"));
    EXPECT_EQ(Update("ver"), "6");
}

TEST_F(UpdateUnderWine, AMissingVersionFileMeansNoNewUpdate) {
    SetVer("5");
    window.Show();
    window.cmdProceed.Click();
    ASSERT_EQ(window.ListView1.Items().size(), 2u);
    EXPECT_EQ(LastLine(), "No new update available.");
    EXPECT_EQ(window.ListView1.Items().back().image, 2);
    EXPECT_EQ(Requests("/cwl.txt"), 1);
}

TEST_F(UpdateUnderWine, TheDownloadMustMatchTheSizeTheProbeAnnounced) {
    struct Case {
        int probeSize, fetchSize;
        bool accepted;
    };
    for (const Case& c : {Case{990, 1001, true}, Case{1010, 1001, true}, Case{989, 1001, false},
                          Case{1011, 1001, false}, Case{1000, 1000, false}}) {
        TestServer::Reset();
        DeleteFileA((folder + "\\cwl.exe").c_str());
        TestServer::Route("/cwlupdate.exe", "size=" + std::to_string(c.probeSize));
        TestServer::Route("/cwlupdate.exe", "size=" + std::to_string(c.fetchSize));
        EXPECT_EQ(updater.DownloadUpdate(), c.accepted) << c.probeSize << "/" << c.fetchSize;
        EXPECT_EQ(Download(), c.accepted ? ServerExecutable(c.fetchSize) : "");
        EXPECT_EQ(Requests("/cwlupdate.exe"), 2);
    }
    TestServer::Reset();
    TestServer::Route("/cwlupdate.exe", "body=" + std::string(1001, 'x'));
    EXPECT_FALSE(updater.DownloadUpdate());  // the right size, but no executable
    EXPECT_FALSE(cw::testing::PathExists(folder + "\\cwl.exe"));
    EXPECT_FALSE(cw::testing::PathExists(folder + "\\cwl.part"));
}

TEST_F(UpdateUnderWine, APublishedHashIsCheckedAndAnEarlierDownloadReplaced) {
    cw::testing::WriteFile(folder + "\\cwl.exe", "an earlier download");
    const std::string right = Sha256Hex(ServerExecutable(1500));
    TestServer::Route("/cwlupdate.exe", "size=1500");
    TestServer::Route("/cwl.txt", "body=6%20sha256%3D" + std::string(64, '0'));
    ASSERT_TRUE(updater.CheckForUpdate("5"));
    EXPECT_FALSE(updater.DownloadUpdate());
    EXPECT_EQ(Download(), "an earlier download");

    // A hash that cannot be read checks nothing: the download is refused.
    TestServer::Route("/cwl.txt", "body=6%20sha256%3D" + right.substr(1));
    TestServer::Route("/cwl.txt", "body=6%20sha256%3D" + right.substr(1));
    ASSERT_TRUE(updater.CheckForUpdate("5"));
    EXPECT_FALSE(updater.DownloadUpdate());

    TestServer::Route("/cwl.txt", "body=6%0D%0Asha256%3D" + right + "%0D%0A");
    TestServer::Route("/cwl.txt", "body=6%0D%0Asha256%3D" + right + "%0D%0A");
    ASSERT_TRUE(updater.CheckForUpdate("5"));
    EXPECT_TRUE(updater.DownloadUpdate());
    EXPECT_EQ(Download(), ServerExecutable(1500));
}

TEST_F(UpdateUnderWine, ProceedHandsOverOrAfterSixRejectedAttemptsSaysSo) {
    SetVer("5");
    TestServer::Route("/cwl.txt", "body=6");
    TestServer::Route("/cwlupdate.exe", "size=1000");
    window.Show();
    window.cmdProceed.Click();
    EXPECT_EQ(Requests("/cwlupdate.exe"), 12);
    EXPECT_EQ(LastLine(), kLineDownloadFailed);
    EXPECT_EQ(window.ListView1.Items().size(), 6u);
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(Update("Up"), "(missing)");
    EXPECT_TRUE(window.IsOpen());

    TestServer::Reset();
    TestServer::Route("/cwl.txt", "body=6");
    TestServer::Route("/cwlupdate.exe", "size=1001");
    window.cmdProceed.Click();
    EXPECT_EQ(LastLine(), "Depending on your Internet connection speed");
    EXPECT_EQ(Download(), ServerExecutable(1001));
    EXPECT_EQ(Update("ver"), "6");
    EXPECT_EQ(Update("Up"), "b");
    EXPECT_EQ(Update("donreq"), "z");
    EXPECT_NE(Update("App"), "(missing)");
    ASSERT_EQ(shell.processes.size(), 1u);
    EXPECT_EQ(shell.processes[0].commandLine, "\"" + folder + "\\cwl.exe\"");
    EXPECT_EQ(programEnds, 1);
}

TEST_F(UpdateUnderWine, CancelDuringASlowDownloadAbortsItAndTheProgramGoesOn) {
    SetVer("5");
    TestServer::Route("/cwl.txt", "body=6");
    TestServer::Route("/cwlupdate.exe", "size=1001");
    TestServer::Route("/cwlupdate.exe", "size=1001&trickle=200");  // about 13 seconds
    const std::string exeUrl = TestServer::BaseUrl() + "/cwlupdate.exe";
    Clock::time_point exeSince{}, cancelled{};
    dialogs.onDoEvents = [&] {
        if (transfer.Url() != exeUrl) return;
        if (exeSince == Clock::time_point{}) exeSince = Clock::now();
        // The probe takes a few milliseconds here; a second on the same address is the
        // trickled fetch.
        if (cancelled == Clock::time_point{} && Clock::now() - exeSince > std::chrono::seconds(1)) {
            cancelled = Clock::now();
            window.cmdCancel.Click();
        }
    };
    window.Show();
    window.cmdProceed.Click();
    auto returned = Clock::now();
    ASSERT_NE(cancelled, Clock::time_point{});
    EXPECT_LT(returned - cancelled, std::chrono::milliseconds(500));
    EXPECT_FALSE(window.IsOpen());
    EXPECT_FALSE(transfer.StillExecuting());
    EXPECT_EQ(Requests("/cwlupdate.exe"), 2);  // no further attempt
    EXPECT_FALSE(cw::testing::PathExists(folder + "\\cwl.exe"));
    EXPECT_EQ(Update("Up"), "(missing)");
    EXPECT_TRUE(shell.processes.empty());
    EXPECT_EQ(programEnds, 0);

    // The program keeps working: the next Proceed runs normally.
    dialogs.onDoEvents = nullptr;
    TestServer::Reset();
    TestServer::Route("/cwl.txt", "body=6");
    TestServer::Route("/cwlupdate.exe", "size=1001");
    window.Show();
    window.cmdProceed.Click();
    EXPECT_EQ(programEnds, 1);
}

TEST_F(UpdateUnderWine, WithoutAutoCheckTrueTheFirstTickOnlyDisablesTheTimer) {
    ui::Timer timAutoUpdate{"timAutoUpdate", 60000, true};
    AutoUpdateTimer timer{timAutoUpdate, updater, window, connection, settings, dialogs, &errors};
    TestServer::Route("/cwl.txt", "body=6");
    for (const char* value : {"(missing)", "False", "true"}) {
        if (std::string(value) != "(missing)") {
            settings.SetSettingString(settings::kSettingsRoot, settings::kSettingsKey, "AutoCheck",
                                      value);
        }
        timAutoUpdate.SetEnabled(true);
        timAutoUpdate.Tick();
        EXPECT_FALSE(timAutoUpdate.Enabled()) << value;
    }
    EXPECT_TRUE(TestServer::Log().empty());  // not even the connection test
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(Update("ver"), "(missing)");

    settings.SetSettingString(settings::kSettingsRoot, settings::kSettingsKey, "AutoCheck", "True");
    SetVer("5");
    dialogs.answers.push_back(ui::vbNo);
    timAutoUpdate.SetEnabled(true);
    timAutoUpdate.Tick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt,
              "A new update is available. Would you like to download it ?");
    EXPECT_EQ(dialogs.shown[0].buttons, ui::vbYesNo);
    EXPECT_EQ(dialogs.shown[0].title, "Update Available");
    EXPECT_FALSE(window.IsOpen());  // No: nothing more
    EXPECT_FALSE(timAutoUpdate.Enabled());
}

}  // namespace
}  // namespace cw::update
