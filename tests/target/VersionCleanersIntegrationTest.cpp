// The registry cleaners under Wine's Windows 98, 2000 and XP. Wine fixes the version a
// process sees when it starts, so the cleaning runs in a child process (cwclean.exe) started
// after the version was set; this process takes the registry and drive C before and after.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "gui/programs/Traces.h"
#include "support/Process.h"
#include "support/Snapshots.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

using Lines = std::vector<std::string>;
using traces::SearchPlaces;

std::string Key(const std::string& key) {
    return "HKCU\\" + key;
}
std::string Value(const std::string& key, const std::string& name) {
    return "HKCU\\" + key + "|" + name;
}

// Every line of the snapshot that belongs to the key (itself, its values, its subkeys).
Lines KeyGone(const Snapshot& before, const std::string& key) {
    Lines lines;
    const std::string k = Key(key);
    for (const auto& [identity, details] : before) {
        if (identity == k || identity.rfind(k + "|", 0) == 0 || identity.rfind(k + "\\", 0) == 0) {
            lines.push_back("- " + identity);
        }
    }
    return lines;
}

void SetWineVersion(const char* version) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (version) {
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(strlen(version) + 1));
    } else {
        RegDeleteValueA(key, "Version");
    }
    RegCloseKey(key);
}

struct VersionCase {
    const char* wineVersion;
    SearchPlaces places;
    const char* versionAnswers;
};

class VersionCleanersTest : public ::testing::TestWithParam<VersionCase> {
  protected:
    static void SetUpTestSuite() {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
        ReleaseDC(nullptr, GetDC(nullptr));
    }
    void TearDown() override { SetWineVersion(nullptr); }
};

const char* const kRegistryBoxes =
    "chkRunMenu chkUrls chkFindFiles chkFindComputers chkPrinterPorts chkAutoComplete chkWzip1 "
    "chkWzip2 chkVb chkWordPad chkPbrush chkMediaPlayer";

TEST_P(VersionCleanersTest, RegistryItemsRemoveTheirTracesAndTheVersionsSearchLists) {
    const VersionCase& version = GetParam();
    SetWineVersion(version.wineVersion);
    for (SearchPlaces places :
         {SearchPlaces::Windows9x, SearchPlaces::Windows2000, SearchPlaces::WindowsXP}) {
        traces::SeedFindFilesAt(places);
        traces::SeedFindComputersAt(places);
    }
    for (auto seed : {traces::SeedRunList, traces::SeedTypedUrls, traces::SeedPrinterPorts,
                      traces::SeedAutoComplete, traces::SeedWinZipFiles, traces::SeedWinZipExtract,
                      traces::SeedVisualBasic, traces::SeedWordPad, traces::SeedPaint,
                      traces::SeedMediaPlayer}) {
        seed();
    }
    Snapshot registry = RegistrySnapshot();
    Snapshot drive = DriveSnapshot();

    ProcessResult child = RunHelper("cwclean", kRegistryBoxes);
    ASSERT_TRUE(child.finished) << child.output;
    EXPECT_NE(child.output.find(version.versionAnswers), std::string::npos) << child.output;
    EXPECT_NE(child.output.find("Your system has now been cleaned"), std::string::npos);

    Lines changes = Changes(registry, RegistrySnapshot());
    for (const std::string& line : Changes(drive, DriveSnapshot()))
        changes.push_back(line);

    Lines expected;
    auto gone = [&](const std::string& key) {
        Lines lines = KeyGone(registry, key);
        EXPECT_FALSE(lines.empty()) << key << " was not seeded";
        expected.insert(expected.end(), lines.begin(), lines.end());
    };
    auto valueGone = [&](const std::string& key, const std::string& name) {
        expected.push_back("- " + Value(key, name));
    };
    for (const char* name : {"a", "b", "c", "MRUList"})
        valueGone(settings::kRunMruKey, name);
    gone(settings::kTypedUrlsKey);
    gone(settings::kPrnPortsMruKey);
    gone(settings::kIntelliFormsKey);
    expected.push_back("~ " + Value(settings::kIEMainKey, settings::kUseFormSuggest));
    expected.push_back("~ " +
                       Value(settings::kExplorerAutoCompleteKey, settings::kUseAutoComplete));
    for (const char* n : {"filemenu1", "filemenu2", "filemenu3"}) {
        valueGone(settings::kWinZipFileMenuKey, n);
    }
    for (const char* n : {"extract1", "extract2"})
        valueGone(settings::kWinZipExtractKey, n);
    for (const char* n : {"1", "2", "3"})
        valueGone(settings::kVbRecentFilesKey, n);
    for (const char* n : {"File1", "File2", "File3"})
        valueGone(settings::kWordPadRecentKey, n);
    for (const char* n : {"File1", "File2"})
        valueGone(settings::kPaintRecentKey, n);
    gone(settings::kMediaPlayerUrlsKey);
    gone(settings::kMediaPlayerFilesKey);
    gone(settings::kFindComputerMruKey);
    if (version.places == SearchPlaces::Windows2000) {
        gone(settings::kFindFilesMru2000Key);
        gone(settings::kFindComputersMru2000Key);
    } else if (version.places == SearchPlaces::WindowsXP) {
        gone(settings::kFindFilesMruXPKey);
        gone(settings::kFindComputersMruXPKey);
    } else {
        gone(settings::kFindFilesMruKey);
    }
    std::sort(expected.begin(), expected.end());
    std::sort(changes.begin(), changes.end());
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(traces::ReadText(HKEY_CURRENT_USER, settings::kIEMainKey, settings::kUseFormSuggest),
              "no");
}

INSTANTIATE_TEST_SUITE_P(Windows, VersionCleanersTest,
                         ::testing::Values(VersionCase{"win98", SearchPlaces::Windows9x,
                                                       "IsWindows2000=0 IsWindowsXP=0"},
                                           VersionCase{"win2k", SearchPlaces::Windows2000,
                                                       "IsWindows2000=1 IsWindowsXP=0"},
                                           VersionCase{"winxp", SearchPlaces::WindowsXP,
                                                       "IsWindows2000=0 IsWindowsXP=1"}),
                         [](const auto& info) { return std::string(info.param.wineVersion); });

}  // namespace
}  // namespace cw::testing
