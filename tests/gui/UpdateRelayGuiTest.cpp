// The whole update with the real Clearwell.exe and the local test server, over the relay's
// two starts. (Refusals and failures: the host update tests; the Win32 parts: the contracts.)

#include "ClearwellGui.h"
#include "text/Convert.h"

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
            "file=" + text::PercentEncode(testing::UnixPath(folder + "\\new-release.bin")));
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
};

TEST_F(UpdateRelayGui, TheOldProgramDownloadsTheNewOneWhichReplacesItOverTwoStarts) {
    // The new build signed by the key the test build trusts.
    const std::string signature = folder + "\\new-release.sig";
    WriteFile(signature, testing::TestServer::Signature(folder + "\\new-release.bin"));
    testing::TestServer::Route("/cwlupdate.sig",
                               "file=" + text::PercentEncode(testing::UnixPath(signature)));
    Start(folder + "\\Clearwell.exe");
    UpdateWindow().Click(ids::frmAutoUpdate::cmdProceed);
    ASSERT_EQ(App().WaitForExit(30000), 0) << "the old program did not hand over";

    // Leg 1 ("cwl.exe") replaced the program and started it; leg 2 thanks the user.
    HWND thanks = FindMessageBox(kThanks, 30000);
    ASSERT_NE(thanks, nullptr) << "no thank-you message";
    EXPECT_EQ(TextOf(thanks), "Clearwell");
    Process upgraded = Process::OfWindow(thanks);
    Answer(thanks, IDOK);
    // Its main window, hidden or shown (the relay starts it minimised, so to the tray).
    HWND main = nullptr;
    WaitUntil([&] { return (main = FindWindowA(kMainWindowClass, nullptr)) != nullptr; },
              "a main window", 30000);
    now_ = std::make_unique<Process>(Process::OfWindow(main));
    EXPECT_EQ(now_->Id(), upgraded.Id());  // start-up went on in the same program
    EXPECT_EQ(FindMessageBox(kThanks, 1500), nullptr) << "thanked twice";

    EXPECT_TRUE(testing::ReadFile(folder + "\\Clearwell.exe") == newRelease);
    for (const char* left : {"cwl.exe", "cwl.sig", "cwl.part", "Clearwell.part"})
        EXPECT_FALSE(PathExists(folder + "\\" + left)) << left;
    EXPECT_EQ((std::vector{Update("Up"), Update("donreq"), Update("ver")}),
              (std::vector<std::string>{"a", "<none>", "6"}));
    EXPECT_TRUE(now_->Running());
}

}  // namespace
}  // namespace cw::gui
