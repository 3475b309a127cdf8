// The replacement relay with real files and processes: RelayStep.exe, copied as
// "Clearwell.exe" and "cwl.exe" into a scratch folder, runs the relay step of start-up and
// logs what each start did. The thank-you message box is found and answered from here. (The
// relay begun by the real Clearwell.exe's download, and a locked "Clearwell.exe":
// UpdateRelayGui.)

#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "BuildConfig.h"
#include "platform/win32/Win32Registry.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/Process.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

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

}  // namespace
}  // namespace cw::testing
