// The whole update with the real Clearwell.exe: the installed program downloads a new build
// from the local test server through "Check for Upgrades" and Proceed, checks its signature,
// hands over to it, and the new build takes "Clearwell.exe"'s place over the relay's two
// starts. A build signed with another key is refused.

#include "ClearwellGui.h"
#include "platform/win32/Handles.h"

namespace cw::gui {
namespace {

constexpr char kThanks[] = "Clearwell Upgraded. Thank you";
using Lines = std::vector<Window::ListLine>;

class UpdateRelayGui : public ClearwellGui {
  protected:
    std::string folder = testing::MakeScratchFolder("relay-e2e");
    std::string program = testing::ReadFile("C:\\cwtest\\Clearwell.exe");
    // Bytes after the image change the file, not the program.
    std::string oldRelease = program + "old release";
    std::string newRelease = program + "new release";
    std::unique_ptr<Process> now_;

    void SetUp() override {
        ClearwellGui::SetUp();
        testing::DeleteKeyTree(settings::kUpdateRoot, settings::kUpdateKey);
        store_.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey, "ver", "5");
        // The post-upgrade page would start a browser of the machine the tests run on.
        store_.SetSettingString(kHkeyCurrentUser, "Software\\Wine\\WineBrowser", "Browsers",
                                "cw-no-browser");
        WriteFile(folder + "\\Clearwell.exe", oldRelease);
        WriteFile(folder + "\\new-release.bin", newRelease);
        testing::TestServer::Reset();
        testing::TestServer::Route("/cwl.txt", "body=6%0D%0A");
        testing::TestServer::Route(
            "/cwlupdate.exe",
            "file=" + testing::Encode(testing::UnixPath(folder + "\\new-release.bin")));
    }
    void TearDown() override {
        // Whatever copy of the program still runs goes (the process objects end them).
        app_.reset();
        now_.reset();
        if (HWND left = FindWindowA(kMainWindowClass, nullptr)) Process::OfWindow(left).Kill();
    }
    std::string Update(const char* name) {
        return Read(settings::kUpdateRoot, settings::kUpdateKey, name);
    }
    std::string Installed(const char* name) { return testing::ReadFile(folder + "\\" + name); }
    // Publishes the new build's signature by one of the tests' keys ("test" is the one the
    // test build trusts).
    void PublishSignature(const std::string& key) {
        const std::string signature = folder + "\\new-release.sig";
        WriteFile(signature, testing::TestServer::Signature(folder + "\\new-release.bin", key));
        testing::TestServer::Route("/cwlupdate.sig",
                                   "file=" + testing::Encode(testing::UnixPath(signature)));
    }
    // Starts the installed program, presses Proceed in its update window and waits until
    // the old program has handed over.
    void UpdateAndHandOver() {
        Start(folder + "\\Clearwell.exe");
        UpdateWindow().Click(ids::frmAutoUpdate::cmdProceed);
        ASSERT_TRUE(App().WaitForExit(30000)) << "the old program did not hand over";
        EXPECT_EQ(App().ExitCode(), 0u);
    }
    // The program that runs now, its main window hidden or shown (the relay starts it
    // minimised, so it goes to the tray at once).
    Process& WaitForProgram() {
        HWND main = nullptr;
        WaitUntil([&] { return (main = FindWindowA(kMainWindowClass, nullptr)) != nullptr; },
                  "a main window", 30000);
        now_ = std::make_unique<Process>(Process::OfWindow(main));
        return *now_;
    }
};

TEST_F(UpdateRelayGui, TheOldProgramDownloadsTheNewOneWhichReplacesItOverTwoStarts) {
    PublishSignature("test");
    ASSERT_NO_FATAL_FAILURE(UpdateAndHandOver());

    // Leg 1 ("cwl.exe") replaced the program and started it; leg 2 thanks the user.
    HWND thanks = FindMessageBox(kThanks, 30000);
    ASSERT_NE(thanks, nullptr) << "no thank-you message";
    EXPECT_EQ(TextOf(thanks), "Clearwell");
    Process upgraded = Process::OfWindow(thanks);
    Answer(thanks, IDOK);
    Process& now = WaitForProgram();
    EXPECT_EQ(now.Id(), upgraded.Id());  // start-up went on in the same program
    EXPECT_EQ(FindMessageBox(kThanks, 1500), nullptr) << "thanked twice";

    EXPECT_TRUE(Installed("Clearwell.exe") == newRelease);
    for (const char* left : {"cwl.exe", "cwl.sig", "cwl.part", "Clearwell.part"})
        EXPECT_FALSE(PathExists(folder + "\\" + left)) << left;
    EXPECT_EQ(Update("Up"), "a");
    EXPECT_EQ(Update("donreq"), "<none>");
    EXPECT_EQ(Update("ver"), "6");
    EXPECT_TRUE(now.Running());
}

TEST_F(UpdateRelayGui, ALockedInstalledProgramIsKeptAndNothingIsAnnounced) {
    PublishSignature("test");
    ASSERT_NO_FATAL_FAILURE(UpdateAndHandOver());
    // Leg 1 waits for the old program to end before it replaces anything: time enough to
    // hold the file open.
    win32::FileHandle held(CreateFileA((folder + "\\Clearwell.exe").c_str(), GENERIC_READ, 0,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    // "cwl.exe" fails to replace it and goes on as the program.
    Process& now = WaitForProgram();
    held.reset();
    EXPECT_EQ(FindMessageBox(kThanks, 1500), nullptr);
    EXPECT_TRUE(Installed("Clearwell.exe") == oldRelease);
    EXPECT_TRUE(Installed("cwl.exe") == newRelease);
    EXPECT_FALSE(PathExists(folder + "\\Clearwell.part"));
    EXPECT_EQ(Update("Up"), "b");
    EXPECT_EQ(Update("donreq"), "z");
    EXPECT_TRUE(now.Running());
}

TEST_F(UpdateRelayGui, ABuildSignedWithAnotherKeyIsRefusedAndTheProgramRunsOn) {
    PublishSignature("other");
    Start(folder + "\\Clearwell.exe");
    Window w = UpdateWindow();
    w.Click(ids::frmAutoUpdate::cmdProceed);
    Lines refused = {{"Checking for updates...", 1},
                     {"New Update available.", 1},
                     {"Dowanloading New Version...Please wait.", 1},
                     {"This may take some time...", 0},
                     {"Depending on your Internet connection speed", 0},
                     {"The update could not be verified, so it was not installed.", 2}};
    WaitUntil([&] { return w.ListViewLines(ids::frmAutoUpdate::ListView1) == refused; },
              "the refusal", 30000);
    w.Screenshot("update-unverified");
    KeepsTrue([&] { return App().Running(); }, "the old program runs on", 1500);
    EXPECT_TRUE(Installed("Clearwell.exe") == oldRelease);
    for (const char* left : {"cwl.exe", "cwl.sig", "cwl.part"})
        EXPECT_FALSE(PathExists(folder + "\\" + left)) << left;
    EXPECT_EQ(Update("Up"), "<none>");
    EXPECT_EQ(Update("ver"), "5");
    int downloads = 0;
    for (const std::string& line : testing::TestServer::Log())
        downloads += line.rfind("GET /cwlupdate.exe ", 0) == 0;
    EXPECT_EQ(downloads, 2) << "the size, then the build; no second attempt";
}

}  // namespace
}  // namespace cw::gui
