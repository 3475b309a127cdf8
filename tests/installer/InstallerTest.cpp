// The release package under Wine: the setup program installs Clearwell silently, the
// installed program starts, and the uninstaller removes the program's files and registry
// state and nothing else, and refuses while Clearwell runs. installer_tests.exe runs in a
// prefix of its own, so the registry before the installation is Wine's own.

#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <deque>
#include <sstream>
#include <string>

#include "app/MainControls.h"
#include "app/MainView.h"
#include "browser/BrowserButton.h"
#include "fakes/FakeDialogs.h"
#include "fakes/RecordingErrorSink.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "schedule/SettingsWindow.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/Programs.h"
#include "support/Snapshot.h"
#include "support/TestWorld.h"
#include "text/Ansi.h"
#include "update/UpdateFiles.h"

namespace cw::testing {
namespace {

const std::string kSetup = std::string("C:\\cwtest\\") + CW_SETUP_NAME;
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Clearwell";
// The setup program's and the uninstaller's exit code when they refuse.
constexpr long kRefused = 2;

std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
    return path;
}

std::string Shortcut() {
    return ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\Clearwell.lnk";
}

std::string DefaultFolder() {
    return ShellFolder(CSIDL_PROGRAM_FILES) + "\\Clearwell";
}

struct Machine {
    win32::Win32Registry registry;
    SettingsStore store{registry};

    std::string Text(RootKey root, const std::string& key, const std::string& name) {
        return store.GetSettingString(root, key, name, "(missing)");
    }
    bool HasValue(RootKey root, const std::string& key, const std::string& name) {
        RegValue value;
        return registry.QueryValue(root, key, name, value) == 0;
    }
    void Set(RootKey root, const std::string& key, const std::string& name,
             const std::string& value) {
        store.SetSettingString(root, key, name, value);
    }
};

// The Win32 shell, but with the module path of the installed program: the features below
// take the program's folder and name from it, as they do in the running program.
struct InstalledProgramShell : win32::Win32ShellExecute {
    explicit InstalledProgramShell(std::string exe) : exe(std::move(exe)) {}
    std::string ModulePath() override { return exe; }
    std::string exe;
};

struct ClosingHost : SettingsHost {
    void UnloadSettingsWindow() override {}
};

const std::string kInstallArea = std::string(settings::kAppSettingsArea) + "\\" +
                                 settings::kAppName + "\\" + settings::kInstallSection;

// What a user of the program leaves behind: the toolbar button and the settings window's
// choices through the features' models, as the installed program; the updater's state and
// files, a saved selection, the home-page lock and the per-user area as the program writes
// them.
void UseTheProgram(Machine& m, const std::string& folder) {
    InstalledProgramShell shell(folder + "\\Clearwell.exe");
    fakes::FakeDialogs dialogs;
    BrowserButtonControls buttons;
    BrowserButton button(buttons, m.store, shell, dialogs, kMainCaption);
    buttons.mAddMSIE.Click();

    fakes::RecordingErrorSink errors;
    ClosingHost host;
    SettingsWindow window(m.store, dialogs, shell, host, errors);
    window.Form_Load();
    SettingsControls& c = window.Controls();
    for (int i = 0; i < c.cmbScheduleType.ListCount(); ++i) {
        if (c.cmbScheduleType.List(i) == "Daily") c.cmbScheduleType.SetListIndexFromUser(i);
    }
    c.cmdScheduleSet.Click();
    c.cmdEnable.Click();
    c.Check1.SetValueFromUser(ui::kChecked);
    c.Check2.SetValueFromUser(ui::kChecked);
    c.cmdOK.Click();
    EXPECT_TRUE(errors.reports.empty());
    ASSERT_TRUE(m.HasValue(kHkeyCurrentUser, settings::kRunKey, settings::kRunValue));
    ASSERT_TRUE(
        m.HasValue(settings::kSettingsRoot, settings::kSettingsKey, settings::kDailyScheduleTime));

    m.store.GetOrSeedSettingString(settings::kUpdateRoot, settings::kUpdateKey,
                                   settings::kUpdateVer, "5");
    m.Set(settings::kUpdateRoot, settings::kUpdateKey, settings::kUpdateUp, "b");
    m.Set(settings::kUpdateRoot, settings::kUpdateKey, settings::kUpdateDonReq, "z");
    for (const char* file : {update::kDownloadName, update::kSignatureName,
                             update::kDownloadPartName, update::kInstallPartName})
        WriteFile(folder + "\\" + file, std::string("MZ ") + file);
    m.Set(settings::kSettingsRoot, settings::kSettingsKey, "chkCookies", "1");
    m.Set(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock, "1");
    m.Set(kHkeyCurrentUser, kInstallArea, settings::kRunOnExit, "False");
}

void ExpectInstalledAt(Machine& m, const std::string& folder) {
    const std::string exe = folder + "\\Clearwell.exe";
    EXPECT_EQ(ReadFile(exe), ReadFile("C:\\cwtest\\Clearwell.exe")) << "installed executable";
    EXPECT_EQ(ReadFile(folder + "\\icon.ico"), ReadFile("C:\\cwtest\\icon.ico"))
        << "the toolbar button's picture beside the executable";
    EXPECT_TRUE(PathExists(folder + "\\Uninstall.exe"));
    EXPECT_TRUE(text::EqualsNoCase(ShortcutTarget(Shortcut()), exe)) << ShortcutTarget(Shortcut());

    for (auto [name, value] : {std::pair<const char*, std::string>{"DisplayName", "Clearwell"},
                               {"DisplayVersion", "2.10"},
                               {"Publisher", "Halvane"},
                               {"InstallLocation", folder},
                               {"UninstallString", "\"" + folder + "\\Uninstall.exe\""},
                               {"DisplayIcon", exe + ",0"}})
        EXPECT_EQ(m.Text(kHkeyLocalMachine, kUninstallKey, name), value) << name;
    for (const char* flag : {"NoModify", "NoRepair"})
        EXPECT_EQ(m.store.GetSettingLong(kHkeyLocalMachine, kUninstallKey, flag, 0), 1) << flag;
    // Add/Remove Programs shows the size in KB: the three files, rounded.
    long kb = m.store.GetSettingLong(kHkeyLocalMachine, kUninstallKey, "EstimatedSize", 0);
    std::size_t bytes = 0;
    for (const char* file : {"\\Clearwell.exe", "\\icon.ico", "\\Uninstall.exe"})
        bytes += ReadFile(folder + file).size();
    EXPECT_NEAR(kb, static_cast<long>(bytes / 1024), 3);
}

// The program's files, shortcut, entry and registry state: all there, or all gone.
void ExpectProgramState(Machine& m, const std::string& folder, bool present) {
    for (const char* file :
         {"Clearwell.exe", "icon.ico", "Uninstall.exe", update::kDownloadName,
          update::kSignatureName, update::kDownloadPartName, update::kInstallPartName})
        EXPECT_EQ(PathExists(folder + "\\" + file), present) << file;
    EXPECT_EQ(PathExists(Shortcut()), present);
    for (auto [root, key] :
         {std::pair{kHkeyLocalMachine, std::string(kUninstallKey)},
          {settings::kSettingsRoot, settings::kSettingsKey},
          {kHkeyLocalMachine, settings::kBrowserButtonKey},
          {settings::kUpdateRoot, settings::kUpdateKey},
          {kHkeyCurrentUser, std::string(settings::kAppSettingsArea) + "\\" + settings::kAppName}})
        EXPECT_EQ(m.registry.KeyExists(root, key), present) << key;
    EXPECT_EQ(m.HasValue(kHkeyCurrentUser, settings::kRunKey, settings::kRunValue), present);
    EXPECT_EQ(m.HasValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock), present);
    if (!present) return;
    EXPECT_EQ(m.Text(settings::kSettingsRoot, settings::kSettingsKey, settings::kAutoCheck),
              "True");
    EXPECT_EQ(m.Text(kHkeyLocalMachine, settings::kBrowserButtonKey, "Default Visible"), "Yes");
    EXPECT_EQ(m.Text(settings::kUpdateRoot, settings::kUpdateKey, settings::kUpdateUp), "b");
}

// The way scripts get the uninstaller's exit code: NSIS's uninstaller normally copies itself
// to the temporary folder, starts the copy and ends at once; "_?=folder" (last, unquoted)
// makes it work in place instead, and run from a copy outside the folder it can remove its
// own file there too.
long UninstallFromACopy(const std::string& folder) {
    std::string copy = MakeScratchFolder("uninstaller copy") + "\\Uninstall.exe";
    if (!CopyFileA((folder + "\\Uninstall.exe").c_str(), copy.c_str(), FALSE)) return -1;
    long code = RunAndWait("\"" + copy + "\" /S _?=" + folder);
    DeleteFileA(copy.c_str());
    return code;
}

// As a script following Add/Remove Programs does: the entry's quiet uninstall command. The
// started uninstaller hands over to its temporary copy at once; this waits for the copy.
void UninstallAsAddRemoveDoes(Machine& m) {
    std::string command = m.Text(kHkeyLocalMachine, kUninstallKey, "QuietUninstallString");
    ASSERT_NE(command, "(missing)");
    EXPECT_EQ(RunAndWait(command), 0);
    EXPECT_TRUE(WaitUntilNoProcessIn("\\~nsu", 60000)) << "the uninstaller still runs";
}

// NSIS's uninstaller works from a copy of itself in a "~nsu*.tmp" folder of the temporary
// folder. A running program cannot delete its own file, so the copy asks Windows to delete
// it and its folder at the next start, through the boot-time list "PendingFileRenameOperations"
// (pairs of names; an empty second name means delete). Windows empties the list at start-up;
// Wine never restarts, so the entries stay. Accepted only while every entry deletes something
// in such a folder.
bool OnlyUninstallerCopiesPendingDeletion(const Difference& change) {
    const std::string key = "System\\CurrentControlSet\\Control\\Session Manager";
    const char* value = "PendingFileRenameOperations";
    RegValue list;
    if (change.identity != "HKLM\\" + key + "|" + value || change.kind != '+' ||
        win32::Win32Registry().QueryValue(kHkeyLocalMachine, key, value, list) != 0 ||
        list.type != kRegMultiSz)
        return false;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string prefix = std::string("\\??\\") + temp + "~nsu";
    // Pairs of a name in such a folder and an empty name, then the list's closing NUL.
    std::istringstream names(list.data);
    int entries = 0;
    for (std::string name, empty; std::getline(names, name, '\0') && !name.empty(); ++entries) {
        if (!text::StartsWithNoCase(name, prefix) || !std::getline(names, empty, '\0') ||
            !empty.empty())
            return false;
    }
    return entries > 0 && names.peek() == EOF;
}

// Wine keeps the system parameters that a program changes for the session only (mouse,
// keyboard, screen settings set without saving them) under this key; Windows keeps them in
// memory. Which of them a session touches depends on Wine and the display, not on Clearwell.
bool WinesSessionParameters(const Difference& change) {
    return text::StartsWithNoCase(change.identity,
                                  "HKCU\\Software\\Wine\\Temporary System Parameters");
}

void ExpectRegistryAsBefore(const Snapshot& before, const Snapshot& after) {
    auto side = [](const std::string& s) { return s.empty() ? std::string("(absent)") : s; };
    std::string unexpected;
    for (const Difference& change : Differences(before, after)) {
        std::string line =
            change.identity + ": " + side(change.before) + " -> " + side(change.after);
        bool ours = false;
        for (const char* name : {"Clearwell", "Halvane", "ClearMem", "ECC5777A"})
            ours = ours || text::ContainsNoCase(line, name);
        bool wines = OnlyUninstallerCopiesPendingDeletion(change) || WinesSessionParameters(change);
        if (ours || !wines) unexpected += "\n  " + line;
    }
    EXPECT_TRUE(unexpected.empty()) << "registry lines that differ:" << unexpected;
}

class InstallerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { LetWineSetUpTheDisplay(); }
    long Setup(const std::string& arguments = "") {
        return RunAndWait("\"" + kSetup + "\" /S" + arguments);
    }
    Machine m;
};

TEST_F(InstallerTest, InstallRunUseAndUninstallLeaveTheRegistryAsItWas) {
    const std::string folder = DefaultFolder();
    Snapshot before = RegistrySnapshot();
    ASSERT_EQ(Setup(), 0);
    ExpectInstalledAt(m, folder);
    {
        StartedProgram clearwell("\"" + ShortcutTarget(Shortcut()) + "\"");
        ASSERT_NE(
            clearwell.WaitForVisible(
                [](HWND w) { return w == FindWindowA(kMainWindowClass, kMainCaption); }, 30000),
            nullptr)
            << "no window captioned " << kMainCaption;
        UseTheProgram(m, folder);

        // While the program runs nothing may be removed or replaced, and a silent run must
        // end with an error instead of waiting for someone to close it.
        EXPECT_EQ(UninstallFromACopy(folder), kRefused);
        ExpectProgramState(m, folder, true);
        UninstallAsAddRemoveDoes(m);
        ExpectProgramState(m, folder, true);
        EXPECT_EQ(Setup(), kRefused);
        ExpectProgramState(m, folder, true);
        EXPECT_TRUE(clearwell.Running());
    }
    // The ended program's windows may outlive its process for a moment under load, and the
    // uninstaller refuses while it finds one.
    for (int i = 0; i < 100 && FindWindowA(nullptr, kMainCaption); ++i)
        Sleep(100);
    UninstallAsAddRemoveDoes(m);
    ExpectProgramState(m, folder, false);
    EXPECT_FALSE(PathExists(folder));
    ExpectRegistryAsBefore(before, RegistrySnapshot());
}

TEST_F(InstallerTest, UninstallTakesOnlyTheProgramsOwnFilesAndKeys) {
    // Other programs' values beside the program's own, in the same keys and parents.
    const struct {
        RootKey root;
        std::string key, name, value;
    } neighbours[] = {
        {kHkeyCurrentUser, "SOFTWARE\\Halvane\\Other Tool", "Mode", "1"},
        {kHkeyLocalMachine,
         "Software\\Microsoft\\Internet "
         "Explorer\\Extensions\\{0A1B2C3D-0000-1111-2222-333344445555}",
         "ButtonText", "Other Tool"},
        {kHkeyCurrentUser, std::string(settings::kAppSettingsArea) + "\\Other Tool\\Options",
         "Size", "3"},
        {kHkeyCurrentUser, settings::kRunKey, "Other Tool", "C:\\Tools\\other.exe"},
        {kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage, "http://example.org/"},
    };
    std::deque<ScopedRegistryValue> kept;
    for (const auto& n : neighbours)
        kept.emplace_back(n.root, n.key, n.name).Set(n.value);
    // A folder of the user's choice, with a blank in its path and a file of the user's in it.
    const std::string folder = MakeScratchFolder("My Tools") + "\\Clearwell";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteFile(folder + "\\notes.txt", "the user's own file");
    Snapshot before = RegistrySnapshot();

    ASSERT_EQ(Setup(" /D=" + folder), 0);  // /D= last, unquoted
    ExpectInstalledAt(m, folder);
    UseTheProgram(m, folder);

    // An executable that cannot be written or deleted (here: held open without write or
    // delete sharing) makes a silent setup fail instead of reporting success, and stops the
    // uninstaller before anything else goes, so that it can be run again.
    {
        win32::FileHandle held(CreateFileA((folder + "\\Clearwell.exe").c_str(), GENERIC_READ,
                                           FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        EXPECT_EQ(Setup(" /D=" + folder), kRefused);
        EXPECT_EQ(UninstallFromACopy(folder), kRefused);
        ExpectProgramState(m, folder, true);
    }

    EXPECT_EQ(UninstallFromACopy(folder), 0);
    ExpectProgramState(m, folder, false);
    EXPECT_EQ(ReadFile(folder + "\\notes.txt"), "the user's own file");
    for (const auto& n : neighbours)
        EXPECT_EQ(m.Text(n.root, n.key, n.name), n.value) << n.key;
    ExpectRegistryAsBefore(before, RegistrySnapshot());
}

// The uninstaller knows a running Clearwell by its main window's caption alone: a stand-in
// window of that caption, with the executable not in use, is enough for it to refuse. Run by
// a user, it says why and offers to try again.
TEST_F(InstallerTest, UninstallerRefusesWhileAWindowCaptionedLikeClearwellsIsOpen) {
    const std::string folder = DefaultFolder();
    ASSERT_EQ(Setup(), 0);
    UseTheProgram(m, folder);
    HWND standIn = CreateWindowExA(0, "STATIC", kMainCaption, WS_POPUP | WS_VISIBLE, 0, 0, 100, 20,
                                   nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(standIn, nullptr);

    EXPECT_EQ(UninstallFromACopy(folder), kRefused);
    ExpectProgramState(m, folder, true);
    EXPECT_EQ(Setup(), kRefused);
    {
        StartedProgram uninstaller("\"" + folder + "\\Uninstall.exe\" _?=" + folder);
        // A message box: the window with the box's text control.
        HWND box = uninstaller.WaitForVisible([](HWND w) { return GetDlgItem(w, 0xFFFF); }, 30000);
        ASSERT_NE(box, nullptr) << "the uninstaller did not ask";
        char text[512] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message box's text
        EXPECT_TRUE(text::ContainsNoCase(text, "Clearwell is running")) << text;
        SendMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
        EXPECT_EQ(uninstaller.WaitForExit(30000), kRefused);
    }
    ExpectProgramState(m, folder, true);

    DestroyWindow(standIn);
    EXPECT_EQ(UninstallFromACopy(folder), 0);
    ExpectProgramState(m, folder, false);
}

}  // namespace
}  // namespace cw::testing
