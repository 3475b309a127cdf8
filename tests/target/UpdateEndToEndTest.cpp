// The whole update with the real Clearwell.exe: the installed program downloads a new
// build from the local test server through "Check for Upgrades" and Proceed, hands over to
// it, and the new build replaces "Clearwell.exe" over the two starts of the relay.
//
// Needs the main window (its "Check for Upgrades" menu item opening the update window's
// view) and the relay's call in start-up; until Clearwell.exe has them, the tests skip.

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/TestWorld.h"
#include "support/WindowFinder.h"

namespace cw::update {
namespace {

using namespace std::chrono_literals;
using cw::testing::TestServer;

constexpr const char kMainCaption[] = "Clearwell v2.10";

class UpdateEndToEnd : public ::testing::Test {
  protected:
    win32::Win32Registry registry;
    SettingsStore settings{registry};
    std::string folder = cw::testing::MakeScratchFolder("update-e2e");
    std::string program = cw::testing::ReadFile(cw::testing::ProgramsFolder() + "\\Clearwell.exe");
    std::string oldRelease = program + "old release";
    std::string newRelease = program + "new release";
    std::vector<win32::KernelHandle> processes;

    UpdateEndToEnd() {
        cw::testing::DeleteKeyTree(settings::kUpdateRoot, settings::kUpdateKey);
        settings.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey, "ver", "5");
        // Under Wine the post-upgrade page would open a browser of this machine.
        settings.SetSettingString(kHkeyCurrentUser, "Software\\Wine\\WineBrowser", "Browsers",
                                  "cw-no-browser");
        cw::testing::WriteFile(folder + "\\Clearwell.exe", oldRelease);
        cw::testing::WriteFile(folder + "\\new-release.bin", newRelease);
        TestServer::Reset();
        TestServer::Route("/cwl.txt", "body=6%0D%0A");
        TestServer::Route(
            "/cwlupdate.exe",
            "file=" + cw::testing::Encode(cw::testing::UnixPath(folder + "\\new-release.bin")));
    }
    ~UpdateEndToEnd() override {
        // Whatever copy of the program is still running goes.
        for (const char* caption : {kMainCaption, "AutoUpdate"}) {
            while (HWND w = cw::testing::WaitForWindow("", caption, 0ms)) {
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                win32::KernelHandle p(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
                if (!p) break;
                TerminateProcess(p.get(), 1);
                WaitForSingleObject(p.get(), 5000);
            }
        }
    }
    HANDLE Start(const std::string& name) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        std::string line = "\"" + folder + "\\" + name + "\"";
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &info)) {
            return nullptr;
        }
        CloseHandle(info.hThread);
        processes.emplace_back(info.hProcess);
        return info.hProcess;
    }
    std::string Update(const char* name) {
        return settings.GetSettingString(settings::kUpdateRoot, settings::kUpdateKey, name,
                                         "(missing)");
    }
    // Starts the installed program and presses Proceed in its update window; skips the test
    // while Clearwell.exe has no "Check for Upgrades".
    HANDLE StartUpdate() {
        HANDLE old = Start("Clearwell.exe");
        EXPECT_NE(old, nullptr);
        HWND main = cw::testing::WaitForWindow("", kMainCaption, 20s);
        UINT command = main ? cw::testing::FindMenuCommand(main, "Check for Upgrades") : 0;
        if (!command) return nullptr;
        PostMessageA(main, WM_COMMAND, command, 0);
        HWND window = cw::testing::WaitForWindow("", "AutoUpdate", 10s);
        EXPECT_NE(window, nullptr);
        HWND proceed = window ? cw::testing::FindChild(window, "", "Proceed") : nullptr;
        EXPECT_NE(proceed, nullptr);
        if (proceed) PostMessageA(proceed, BM_CLICK, 0, 0);
        return old;
    }
};

TEST_F(UpdateEndToEnd, TheOldProgramDownloadsTheNewOneWhichReplacesItOverTwoStarts) {
    HANDLE old = StartUpdate();
    if (!old) GTEST_SKIP() << "Clearwell.exe has no \"Check for Upgrades\" yet";
    ASSERT_EQ(WaitForSingleObject(old, 30000), WAIT_OBJECT_0);  // handed over and ended
    HWND thanks = cw::testing::WaitForWindow("#32770", "Clearwell", 30s);
    ASSERT_NE(thanks, nullptr);
    EXPECT_EQ(cw::testing::MessageBoxText(thanks), "Clearwell Upgraded. Thank you");
    PostMessageA(thanks, WM_COMMAND, IDOK, 0);
    EXPECT_NE(cw::testing::WaitForWindow("", kMainCaption, 20s), nullptr);      // start-up went on
    EXPECT_EQ(cw::testing::WaitForWindow("#32770", "Clearwell", 1s), nullptr);  // thanked once
    EXPECT_EQ(cw::testing::ReadFile(folder + "\\Clearwell.exe"), newRelease);
    EXPECT_FALSE(cw::testing::PathExists(folder + "\\cwl.exe"));
    EXPECT_EQ(Update("Up"), "a");
    EXPECT_EQ(Update("donreq"), "(missing)");
    EXPECT_EQ(Update("ver"), "6");
}

TEST_F(UpdateEndToEnd, ALockedInstalledProgramIsKeptAndNothingIsAnnounced) {
    HANDLE old = StartUpdate();
    if (!old) GTEST_SKIP() << "Clearwell.exe has no \"Check for Upgrades\" yet";
    ASSERT_EQ(WaitForSingleObject(old, 30000), WAIT_OBJECT_0);
    // Leg 1 waits before it replaces anything: time enough to hold the file.
    win32::FileHandle held(CreateFileA((folder + "\\Clearwell.exe").c_str(), GENERIC_READ, 0,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    // "cwl.exe" fails to replace it and goes on as the program.
    EXPECT_NE(cw::testing::WaitForWindow("", kMainCaption, 30s), nullptr);
    held.reset();
    EXPECT_EQ(cw::testing::WaitForWindow("#32770", "Clearwell", 1s), nullptr);
    EXPECT_EQ(cw::testing::ReadFile(folder + "\\Clearwell.exe"), oldRelease);
    EXPECT_EQ(Update("Up"), "b");
    EXPECT_EQ(Update("donreq"), "z");
}

}  // namespace
}  // namespace cw::update
