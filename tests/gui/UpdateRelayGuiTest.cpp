// The whole update with the real Clearwell.exe: the installed program downloads a new build
// from the local test server through "Check for Upgrades" and Proceed, checks its signature,
// hands over to it, and the new build takes "Clearwell.exe"'s place over the relay's two
// starts. (Refused signatures and a locked program: host UpdaterTest, UpdateRelayTest,
// AutoUpdateWindowTest; the Win32 parts: the signature and file system contracts.)

#include "ClearwellGui.h"

namespace cw::gui {
namespace {

constexpr char kThanks[] = "Clearwell Upgraded. Thank you";

class UpdateRelayGui : public ClearwellGui {
  protected:
    std::string folder = testing::MakeScratchFolder("relay-e2e");
    std::string program = testing::ReadFile("C:\\cwtest\\Clearwell.exe");
    // Bytes after the image change the file, not the program.
    std::string newRelease = program + "new release";
    std::unique_ptr<Process> now_;

    void SetUp() override {
        ClearwellGui::SetUp();
        testing::DeleteKeyTree(settings::kUpdateRoot, settings::kUpdateKey);
        store_.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey, "ver", "5");
        // The post-upgrade page would start a browser of the machine the tests run on.
        store_.SetSettingString(kHkeyCurrentUser, "Software\\Wine\\WineBrowser", "Browsers",
                                "cw-no-browser");
        WriteFile(folder + "\\Clearwell.exe", program + "old release");
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
        if (HWND left = FindWindowA(kMainWindowClass, nullptr)) Process::OfWindow(left).End();
    }
    std::string Update(const char* name) {
        return Read(settings::kUpdateRoot, settings::kUpdateKey, name);
    }
    std::string Installed(const char* name) { return testing::ReadFile(folder + "\\" + name); }
    // Publishes the new build's signature by the key the test build trusts.
    void PublishSignature() {
        const std::string signature = folder + "\\new-release.sig";
        WriteFile(signature, testing::TestServer::Signature(folder + "\\new-release.bin"));
        testing::TestServer::Route("/cwlupdate.sig",
                                   "file=" + testing::Encode(testing::UnixPath(signature)));
    }
    // Starts the installed program, presses Proceed in its update window and waits until
    // the old program has handed over.
    void UpdateAndHandOver() {
        Start(folder + "\\Clearwell.exe");
        UpdateWindow().Click(ids::frmAutoUpdate::cmdProceed);
        ASSERT_EQ(App().WaitForExit(30000), 0) << "the old program did not hand over";
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
    PublishSignature();
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

}  // namespace
}  // namespace cw::gui
