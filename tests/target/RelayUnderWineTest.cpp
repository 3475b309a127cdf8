// The replacement relay with real files and processes: RelayStep.exe, copied as
// "Clearwell.exe" and "cwl.exe" into a scratch folder, runs the relay step of start-up and
// logs what each start did. The thank-you message box is found and answered from here.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <sstream>

#include "BuildConfig.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/TestWorld.h"
#include "support/WindowFinder.h"

namespace cw::update {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

class RelayUnderWine : public ::testing::Test {
  protected:
    win32::Win32Registry registry;
    SettingsStore settings{registry};
    std::string folder = cw::testing::MakeScratchFolder("relay");
    std::string program = cw::testing::ReadFile(cw::testing::ProgramsFolder() + "\\RelayStep.exe");
    // Bytes after the image change the file, not the program.
    std::string oldRelease = program + "old release";
    std::string newRelease = program + "new release";

    RelayUnderWine() {
        cw::testing::DeleteKeyTree(settings::kUpdateRoot, settings::kUpdateKey);
        cw::testing::WriteFile(folder + "\\Clearwell.exe", oldRelease);
        cw::testing::WriteFile(folder + "\\cwl.exe", newRelease);
    }
    void SetUpdate(const char* name, const std::string& value) {
        settings.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey, name, value);
    }
    std::string Update(const char* name) {
        return settings.GetSettingString(settings::kUpdateRoot, settings::kUpdateKey, name,
                                         "(missing)");
    }
    // Starts a program of the folder and waits for it to end; false after 30 seconds.
    bool Run(const std::string& name) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        std::string line = "\"" + folder + "\\" + name + "\"";
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &info)) {
            return false;
        }
        win32::KernelHandle process(info.hProcess), thread(info.hThread);
        return WaitForSingleObject(process.get(), 30000) == WAIT_OBJECT_0;
    }
    Lines Log() {
        Lines lines;
        std::istringstream in(cw::testing::ReadFile(folder + "\\relay.log"));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    bool WaitForLogLine(const std::string& line, int count = 1) {
        for (int i = 0; i < 400; ++i) {
            Lines lines = Log();
            if (std::count(lines.begin(), lines.end(), line) >= count) return true;
            Sleep(50);
        }
        return false;
    }
    // Answers the thank-you message with OK; false when none appears.
    bool AnswerThankYou() {
        HWND box = cw::testing::WaitForWindow("#32770", "Clearwell", 20s);
        if (!box) return false;
        EXPECT_EQ(cw::testing::MessageBoxText(box), "Clearwell Upgraded. Thank you");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    }
    bool Exists(const std::string& name) { return cw::testing::PathExists(folder + "\\" + name); }
    std::string Content(const std::string& name) {
        return cw::testing::ReadFile(folder + "\\" + name);
    }
    const std::string upgradePage = std::string(build::kServerUrl) + "/upgrade.php";
};

TEST_F(RelayUnderWine, TheDownloadReplacesTheInstalledProgramOverTwoStarts) {
    ASSERT_GT(program.size(), 10000u);
    SetUpdate("Up", "b");
    SetUpdate("donreq", "z");
    auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(Run("cwl.exe"));  // as the old program's hand-over starts it
    // Leg 1 waits 10, 4 and 4 "seconds" of the test build.
    EXPECT_GE(std::chrono::steady_clock::now() - started, 18 * build::kRelayMsPerSecond * 1ms);
    ASSERT_TRUE(AnswerThankYou());
    ASSERT_TRUE(WaitForLogLine("Clearwell.exe continue"));
    EXPECT_EQ(Log(), (Lines{"cwl.exe start Up=b", "cwl.exe end", "Clearwell.exe start Up=c",
                            "message Clearwell Upgraded. Thank you", "open Open " + upgradePage,
                            "Clearwell.exe continue"}));
    EXPECT_EQ(Content("Clearwell.exe"), newRelease);
    EXPECT_FALSE(Exists("cwl.exe"));
    EXPECT_FALSE(Exists("Clearwell.part"));
    EXPECT_EQ(Update("Up"), "a");
    EXPECT_EQ(Update("donreq"), "(missing)");

    // The next start finds nothing to do and thanks nobody again.
    ASSERT_TRUE(Run("Clearwell.exe"));
    Lines log = Log();
    EXPECT_EQ(Lines(log.end() - 2, log.end()),
              (Lines{"Clearwell.exe start Up=a", "Clearwell.exe continue"}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "message Clearwell Upgraded. Thank you"), 1);
}

TEST_F(RelayUnderWine, ALockedInstalledProgramStaysAndNothingIsAnnounced) {
    SetUpdate("Up", "b");
    SetUpdate("donreq", "z");
    {
        win32::FileHandle held(CreateFileA((folder + "\\Clearwell.exe").c_str(), GENERIC_READ, 0,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        ASSERT_TRUE(Run("cwl.exe"));
    }
    EXPECT_EQ(Log(), (Lines{"cwl.exe start Up=b", "cwl.exe continue"}));
    EXPECT_EQ(Content("Clearwell.exe"), oldRelease);
    EXPECT_EQ(Content("cwl.exe"), newRelease);
    EXPECT_FALSE(Exists("Clearwell.part"));
    EXPECT_EQ(Update("Up"), "b");
    EXPECT_EQ(Update("donreq"), "z");
    EXPECT_EQ(cw::testing::WaitForWindow("#32770", "Clearwell", 300ms), nullptr);
}

TEST_F(RelayUnderWine, AnInterruptedRelayResumesFromTheInstalledProgram) {
    SetUpdate("Up", "B");
    SetUpdate("donreq", "z");
    ASSERT_TRUE(Run("Clearwell.exe"));  // hands leg 1 to "cwl.exe" and ends
    ASSERT_TRUE(AnswerThankYou());
    ASSERT_TRUE(WaitForLogLine("Clearwell.exe continue"));
    EXPECT_EQ(Log(), (Lines{"Clearwell.exe start Up=B", "Clearwell.exe end", "cwl.exe start Up=B",
                            "cwl.exe end", "Clearwell.exe start Up=c",
                            "message Clearwell Upgraded. Thank you", "open Open " + upgradePage,
                            "Clearwell.exe continue"}));
    EXPECT_EQ(Content("Clearwell.exe"), newRelease);
    EXPECT_FALSE(Exists("cwl.exe"));
    EXPECT_EQ(Update("Up"), "a");

    // With no download left, the relay just ends.
    SetUpdate("Up", "b");
    ASSERT_TRUE(Run("Clearwell.exe"));
    Lines log = Log();
    EXPECT_EQ(log.back(), "Clearwell.exe continue");
    EXPECT_EQ(Update("Up"), "a");
}

}  // namespace
}  // namespace cw::update
