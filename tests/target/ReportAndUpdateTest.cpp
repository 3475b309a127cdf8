// The error report, the update and the replacement relay over real HTTP, files and
// processes: WinINet against the local test server.

#include <windows.h>
#include <gtest/gtest.h>
#include <chrono>
#include <sstream>

#include "BuildConfig.h"
#include "errors/ErrorTrap.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeShell.h"
#include "fakes/RecordingErrorSink.h"
#include "files/PathGuard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Internet.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SignatureCheck.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32Transfer.h"
#include "report/ConnectionTest.h"
#include "report/ErrorReport.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/Process.h"
#include "support/TestWorld.h"
#include "update/AutoUpdateTimer.h"
#include "update/AutoUpdateWindow.h"
#include "update/Sha256.h"

namespace cw::testing {
namespace {

// The lines of the server's log that start with the prefix, once there are at least `atLeast`
// of them (waiting up to 8 seconds).
std::vector<std::string> Logged(const std::string& prefix, std::size_t atLeast = 0) {
    std::vector<std::string> found;
    for (int waited = 0; waited <= 8000; waited += 50, Sleep(50)) {
        found.clear();
        for (const std::string& line : TestServer::Log())
            if (line.rfind(prefix, 0) == 0) found.push_back(line);
        if (found.size() >= atLeast) break;
    }
    return found;
}

class ErrorReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TestServer::Reset();
        TestServer::Route("/", "body=home");
    }
    ErrorReport Reporter(ConnectionTest& connection) {
        return ErrorReport(connection, *transfer_, dialogs_, TestServer::BaseUrl());
    }

    win32::Win32Internet internet_;
    std::unique_ptr<Transfer> transfer_ = internet_.CreateTransfer("Clearwell");
    fakes::FakeDialogs dialogs_;
    ConnectionTest online_{internet_, {TestServer::BaseUrl() + "/", "Clearwell", 5000}};
};

TEST_F(ErrorReportTest, ATrappedErrorInTheLoadSendsOneEncodedGet) {
    ErrorReport report = Reporter(online_);
    ErrorTrap trap(TrapKind::SkipTypeMismatchThenReport, &report, "frmMain,Form_Load");
    trap([] { throw RuntimeError(76); });
    trap([] { throw RuntimeError(13); });
    ASSERT_EQ(Logged("GET /error-reporting/", 1).size(), 1u);
    Sleep(300);
    EXPECT_EQ(Logged("GET /error-reporting/"),
              std::vector<std::string>{
                  "GET /error-reporting/error-msg.php?,,,,frmMain,Form_Load76Path%20not%20found "
                  "HTTP/1.1"})
        << "error 13 of the load sends nothing";
}

TEST_F(ErrorReportTest, OfflineOrSilentNothingIsSentAndTheRoutineGoesOnQuickly) {
    // Nothing listens on port 9 of the loopback address: the site cannot be reached.
    ConnectionTest offline{internet_, {"http://127.0.0.1:9/", "Clearwell", 5000}};
    ErrorReport report = Reporter(offline);
    ErrorTrap trap(TrapKind::ReportAndContinue, &report, "frmMain,Form_Unload");
    bool resumed = false;
    DWORD start = GetTickCount();
    trap([] { throw RuntimeError(76); });
    trap([&] { resumed = true; });
    EXPECT_TRUE(resumed);
    EXPECT_LT(GetTickCount() - start, 6000u) << "the connection test is bounded";
    Sleep(300);
    EXPECT_TRUE(Logged("GET /error-reporting/").empty()) << "the report server is up but unused";

    // A site that takes the connection but does not answer is given up on in time.
    TestServer::Route("/silent", "delay=8000");
    ConnectionTest silent(internet_, {TestServer::BaseUrl() + "/silent", "Clearwell", 1000});
    start = GetTickCount();
    EXPECT_FALSE(silent.TestConnection());
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_TRUE(online_.TestConnection());
}

TEST_F(ErrorReportTest, ASecondReportCancelsTheFirstTransfer) {
    ErrorReport report = Reporter(online_);
    // The first report's answer trickles in; the second report must not wait for it.
    TestServer::Route("/error-reporting/error-msg.php", "size=4000&trickle=50");
    report.ReportError("frmMain,First", RuntimeError(5));
    const std::string first = "GET /error-reporting/error-msg.php?,,,,frmMain,First";
    ASSERT_EQ(Logged(first, 1).size(), 1u);
    Sleep(200);
    report.ReportError("frmMain,Second", RuntimeError(6));
    EXPECT_EQ(Logged("ABORTED " + first, 1).size(), 1u);
    EXPECT_EQ(Logged("GET /error-reporting/error-msg.php?,,,,frmMain,Second6Overflow").size(), 1u);
}

// The update check and download under Wine: WinINet against the local test server, the
// real registry and real files, CryptoAPI with the test build's key. The program's folder is
// a scratch folder; starting the downloaded release is recorded instead of done (its bytes
// are only a header).

using namespace update;

std::string TrustedKey() {
    return std::string(std::begin(build::kUpdatePublicKey), std::end(build::kUpdatePublicKey));
}

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
    win32::Win32SignatureCheck signatures{TrustedKey()};
    fakes::FakeShell shell;
    win32::Win32Clock clock;
    fakes::FakeDialogs dialogs;
    fakes::RecordingErrorSink errors;
    ConnectionTest connection{internet, {TestServer::BaseUrl() + "/", "Clearwell", 5000}};
    Updater updater{connection, transfer, settings, fs,      guard,
                    signatures, shell,    clock,    dialogs, {TestServer::BaseUrl()},
                    [] {}};
    AutoUpdateWindow window{updater, connection, settings, errors};
    std::string folder = MakeScratchFolder("update");

    UpdateUnderWine() {
        shell.modulePath = folder + "\\Clearwell.exe";
        DeleteKeyTree(settings::kUpdateRoot, settings::kUpdateKey);
        DeleteKeyTree(settings::kSettingsRoot, settings::kSettingsKey);
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
        for (const std::string& line : TestServer::Log())
            n += line.rfind("GET " + path + " ", 0) == 0;
        return n;
    }
    std::string Download() { return ReadFile(folder + "\\cwl.exe"); }
    // Publishes "/cwlupdate.sig": the signature of content by one of the tests' keys ("test"
    // is the one the test build trusts), cut to `length` bytes when given. Returns it.
    std::string PublishSignature(const std::string& content, const std::string& key = "test",
                                 std::size_t length = std::string::npos) {
        const std::string signing = MakeScratchFolder("update-signing");
        WriteFile(signing + "\\release.bin", content);
        std::string signature = TestServer::Signature(signing + "\\release.bin", key);
        WriteFile(signing + "\\release.sig", signature.substr(0, length));
        TestServer::Route("/cwlupdate.sig", "file=" + Encode(UnixPath(signing + "\\release.sig")));
        return signature.substr(0, length);
    }
};

// (No version file, six refused downloads, Cancel during a download and the hand-over to the
// download, shown with the real program: OtherWindowsGui and UpdateRelayGui.)
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
        PublishSignature(ServerExecutable(c.fetchSize));
        EXPECT_EQ(updater.DownloadUpdate(), c.accepted) << c.probeSize << "/" << c.fetchSize;
        EXPECT_EQ(Download(), c.accepted ? ServerExecutable(c.fetchSize) : "");
        EXPECT_EQ(Requests("/cwlupdate.exe"), 2);
    }
    TestServer::Reset();
    TestServer::Route("/cwlupdate.exe", "body=" + std::string(1001, 'x'));
    EXPECT_FALSE(updater.DownloadUpdate());  // the right size, but no executable
    EXPECT_FALSE(PathExists(folder + "\\cwl.exe"));
    EXPECT_FALSE(PathExists(folder + "\\cwl.part"));
}

TEST_F(UpdateUnderWine, APublishedHashIsCheckedAndAnEarlierDownloadReplaced) {
    WriteFile(folder + "\\cwl.exe", "an earlier download");
    const std::string right = Sha256Hex(ServerExecutable(1500));
    TestServer::Route("/cwlupdate.exe", "size=1500");
    PublishSignature(ServerExecutable(1500));
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

TEST_F(UpdateUnderWine, OnlyABuildSignedWithTheTrustedKeyIsKeptAndStarted) {
    const std::string release = ServerExecutable(1500);
    WriteFile(folder + "\\Clearwell.exe", "installed program");
    struct Case {
        const char* what;
        const char* key;  // nullptr: no signature published
        std::string signedContent;
        std::size_t length = std::string::npos;
    };
    std::string changed = release;
    changed[1200] = 'y';
    for (const Case& c : {Case{"unsigned", nullptr, release}, Case{"another key", "other", release},
                          Case{"changed after signing", "test", changed},
                          Case{"truncated signature", "test", release, 255}}) {
        TestServer::Reset();
        TestServer::Route("/cwl.txt", "body=6");
        TestServer::Route("/cwlupdate.exe", "size=1500");
        if (c.key) PublishSignature(c.signedContent, c.key, c.length);
        ASSERT_TRUE(updater.CheckForUpdate("5"));
        EXPECT_EQ(updater.DownloadAndHandOver(), HandOver::Unverified) << c.what;
        EXPECT_EQ(Requests("/cwlupdate.exe"), 2) << c.what << ": no second attempt";
        EXPECT_EQ(Requests("/cwlupdate.sig"), 1) << c.what;
        EXPECT_TRUE(ReadFile(folder + "\\Clearwell.exe") == "installed program") << c.what;
        for (const char* name : {"cwl.exe", "cwl.sig", "cwl.part"})
            EXPECT_FALSE(PathExists(folder + "\\" + name)) << c.what << ": " << name;
        EXPECT_EQ(Update("Up"), "(missing)") << c.what;
        EXPECT_TRUE(shell.processes.empty()) << c.what;
    }

    TestServer::Reset();
    TestServer::Route("/cwl.txt", "body=6");
    TestServer::Route("/cwlupdate.exe", "size=1500");
    const std::string signature = PublishSignature(release);
    ASSERT_TRUE(updater.CheckForUpdate("5"));
    EXPECT_EQ(updater.DownloadAndHandOver(), HandOver::HandedOver);
    EXPECT_TRUE(Download() == release);
    EXPECT_TRUE(ReadFile(folder + "\\cwl.sig") == signature);
    EXPECT_EQ(Update("Up"), "b");
    EXPECT_EQ(shell.processes.size(), 1u);
}

TEST_F(UpdateUnderWine, WithoutAutoCheckTrueTheFirstTickOnlyDisablesTheTimer) {
    ui::Timer timAutoUpdate{"timAutoUpdate", 60000, true};
    AutoUpdateTimer timer{timAutoUpdate, updater, window, connection, settings, dialogs, errors};
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

// The replacement relay with real files and processes: RelayStep.exe, copied as
// "Clearwell.exe" and "cwl.exe" into a scratch folder, runs the relay step of start-up and
// logs what each start did. The thank-you message box is found and answered from here. (The
// relay begun by the real Clearwell.exe's download, and a locked "Clearwell.exe":
// UpdateRelayGui.)

using Lines = std::vector<std::string>;

class RelayUnderWine : public ::testing::Test {
  protected:
    win32::Win32Registry registry;
    SettingsStore settings{registry};
    std::string folder = MakeScratchFolder("relay");
    std::string program = ReadFile("C:\\cwtest\\RelayStep.exe");
    // Bytes after the image change the file, not the program.
    std::string newRelease = program + "new release";

    RelayUnderWine() {
        DeleteKeyTree(settings::kUpdateRoot, settings::kUpdateKey);
        WriteFile(folder + "\\Clearwell.exe", program + "old release");
        WriteFile(folder + "\\cwl.exe", newRelease);
        WriteFile(folder + "\\cwl.sig", TestServer::Signature(folder + "\\cwl.exe"));
    }
    void SetUpdate(const char* name, const std::string& value) {
        settings.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey, name, value);
    }
    std::string Update(const char* name) {
        return settings.GetSettingString(settings::kUpdateRoot, settings::kUpdateKey, name,
                                         "(missing)");
    }
    // Starts a program of the folder and waits (up to 30 seconds) for it to end.
    bool Run(const std::string& name) {
        return RunAndWait("\"" + folder + "\\" + name + "\"", 30000) != -1;
    }
    Lines Log() {
        Lines lines;
        std::istringstream in(ReadFile(folder + "\\relay.log"));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line.substr(0, line.find('\r')));
        return lines;
    }
};

TEST_F(RelayUnderWine, AnInterruptedRelayResumesFromTheInstalledProgram) {
    ASSERT_GT(program.size(), 10000u);
    SetUpdate("Up", "B");
    SetUpdate("donreq", "z");
    auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(Run("Clearwell.exe"));  // hands leg 1 to "cwl.exe" and ends
    HWND box = nullptr;
    for (int i = 0; i < 400 && !(box = FindWindowA("#32770", "Clearwell")); ++i)
        Sleep(50);
    ASSERT_NE(box, nullptr) << "no thank-you message";
    // Leg 1 waits 10, 4 and 4 "seconds" of the test build.
    EXPECT_GE(std::chrono::steady_clock::now() - started,
              18 * build::kRelayMsPerSecond * std::chrono::milliseconds(1));
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message box's text
    EXPECT_STREQ(text, "Clearwell Upgraded. Thank you");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 400 && (Log().empty() || Log().back() != "Clearwell.exe continue"); ++i)
        Sleep(50);
    EXPECT_EQ(Log(), (Lines{"Clearwell.exe start Up=B", "Clearwell.exe end", "cwl.exe start Up=B",
                            "cwl.exe end", "Clearwell.exe start Up=c",
                            "message Clearwell Upgraded. Thank you",
                            "open Open " + std::string(build::kServerUrl) + "/upgrade.php",
                            "Clearwell.exe continue"}));
    EXPECT_TRUE(ReadFile(folder + "\\Clearwell.exe") == newRelease);
    EXPECT_FALSE(PathExists(folder + "\\cwl.exe"));
    EXPECT_FALSE(PathExists(folder + "\\cwl.sig"));
    EXPECT_FALSE(PathExists(folder + "\\Clearwell.part"));
    EXPECT_EQ(Update("Up"), "a");
    EXPECT_EQ(Update("donreq"), "(missing)");

    // The next start finds nothing to do and thanks nobody again.
    ASSERT_TRUE(Run("Clearwell.exe"));
    Lines log = Log();
    EXPECT_EQ(Lines(log.end() - 2, log.end()),
              (Lines{"Clearwell.exe start Up=a", "Clearwell.exe continue"}));
    // With no download left, a relay still pending just ends.
    SetUpdate("Up", "b");
    ASSERT_TRUE(Run("Clearwell.exe"));
    EXPECT_EQ(Log().back(), "Clearwell.exe continue");
    EXPECT_EQ(Update("Up"), "a");
    log = Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "message Clearwell Upgraded. Thank you"), 1);
}

TEST_F(RelayUnderWine, AStrayDownloadIsNeitherRunNorInstalled) {
    // Something else put a "cwl.exe" beside the program: unsigned, or signed with another key.
    for (const char* key : {"", "other"}) {
        DeleteFileA((folder + "\\cwl.sig").c_str());
        if (*key) WriteFile(folder + "\\cwl.sig", TestServer::Signature(folder + "\\cwl.exe", key));
        DeleteFileA((folder + "\\relay.log").c_str());
        // An interrupted relay in the installed program does not start it...
        SetUpdate("Up", "b");
        ASSERT_TRUE(Run("Clearwell.exe"));
        EXPECT_EQ(Log(), (Lines{"Clearwell.exe start Up=b", "Clearwell.exe continue"})) << key;
        EXPECT_EQ(Update("Up"), "a");
        // ...and started by hand, it does not take the program's place.
        SetUpdate("Up", "b");
        ASSERT_TRUE(Run("cwl.exe"));
        EXPECT_EQ(Log(), (Lines{"Clearwell.exe start Up=b", "Clearwell.exe continue",
                                "cwl.exe start Up=b", "cwl.exe continue"}))
            << key;
        EXPECT_EQ(Update("Up"), "a");
        EXPECT_TRUE(ReadFile(folder + "\\Clearwell.exe") == program + "old release") << key;
        EXPECT_TRUE(ReadFile(folder + "\\cwl.exe") == newRelease) << key << ": left alone";
        EXPECT_FALSE(PathExists(folder + "\\Clearwell.part"));
    }
}

}  // namespace
}  // namespace cw::testing
