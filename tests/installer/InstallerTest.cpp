// The release package under Wine: the setup program installs Clearwell silently, the
// installed program starts, and the uninstaller removes the program's files and registry
// state and nothing else, and refuses while Clearwell runs. installer_tests.exe runs in a
// prefix of its own, so the registry before the installation is Wine's own.

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/MainControls.h"
#include "browser/BrowserButton.h"
#include "fakes/FakeDialogs.h"
#include "fakes/RecordingErrorSink.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "schedule/SettingsWindow.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "support/Programs.h"
#include "support/RegistrySnapshot.h"
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

// What a user of the program leaves in the registry and the program's folder. The main
// window does not yet host the features, so their models are driven here in-process, as the
// installed program: "Add to Internet Explorer", and in the settings window "Launch Clearwell
// at startup", "Shred files when shutting down", a daily schedule and the update check. The
// rest is written value by value and file by file as the program writes it: the updater's
// marker (seeded at every start), an update handed over to the relay with its downloaded
// release, the partial files of an interrupted download and replacement, a cleaning
// selection saved at an unattended close, the home-page lock, and the per-user
// application-settings area.
void UseTheProgram(Machine& m, const std::string& folder) {
    InstalledProgramShell shell(folder + "\\Clearwell.exe");
    fakes::RecordingErrorSink errors;
    BrowserButtonControls buttons;
    BrowserButton button(buttons, m.store, shell, kMainCaption);
    buttons.mAddMSIE.Click();

    fakes::FakeDialogs dialogs;
    ClosingHost host;
    SettingsWindow window(m.store, dialogs, shell, host, &errors);
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
    m.store.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey, settings::kUpdateUp, "b");
    m.store.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey, settings::kUpdateDonReq,
                             "z");
    WriteFile(folder + "\\" + update::kDownloadName, "MZ the downloaded release");
    WriteFile(folder + "\\" + update::kDownloadPartName, "MZ half a download");
    WriteFile(folder + "\\" + update::kInstallPartName, "MZ half a replacement");
    m.store.SetSettingString(settings::kSettingsRoot, settings::kSettingsKey, "chkCookies", "1");
    m.store.SetSettingString(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock, "1");
    m.store.SetSettingString(kHkeyCurrentUser,
                             std::string(settings::kAppSettingsArea) + "\\" + settings::kAppName +
                                 "\\" + settings::kInstallSection,
                             settings::kRunOnExit, "False");
}

void ExpectInstalledAt(Machine& m, const std::string& folder) {
    const std::string exe = folder + "\\Clearwell.exe";
    EXPECT_EQ(ReadFile(exe), ReadFile("C:\\cwtest\\Clearwell.exe")) << "installed executable";
    EXPECT_EQ(ReadFile(folder + "\\icon.ico"), ReadFile("C:\\cwtest\\icon.ico"))
        << "the toolbar button's picture beside the executable";
    EXPECT_TRUE(PathExists(folder + "\\Uninstall.exe"));
    EXPECT_TRUE(text::EqualsNoCase(ShortcutTarget(Shortcut()), exe)) << ShortcutTarget(Shortcut());

    EXPECT_EQ(m.Text(kHkeyLocalMachine, kUninstallKey, "DisplayName"), "Clearwell");
    EXPECT_EQ(m.Text(kHkeyLocalMachine, kUninstallKey, "DisplayVersion"), "2.10");
    EXPECT_EQ(m.Text(kHkeyLocalMachine, kUninstallKey, "Publisher"), "Halvane");
    EXPECT_EQ(m.Text(kHkeyLocalMachine, kUninstallKey, "InstallLocation"), folder);
    EXPECT_EQ(m.Text(kHkeyLocalMachine, kUninstallKey, "UninstallString"),
              "\"" + folder + "\\Uninstall.exe\"");
    EXPECT_EQ(m.Text(kHkeyLocalMachine, kUninstallKey, "DisplayIcon"), exe + ",0");
    for (const char* flag : {"NoModify", "NoRepair"})
        EXPECT_EQ(m.store.GetSettingLong(kHkeyLocalMachine, kUninstallKey, flag, 0), 1) << flag;
    // Add/Remove Programs shows the size in KB: the three files, rounded.
    long kb = m.store.GetSettingLong(kHkeyLocalMachine, kUninstallKey, "EstimatedSize", 0);
    long bytes = static_cast<long>(ReadFile(exe).size() + ReadFile(folder + "\\icon.ico").size() +
                                   ReadFile(folder + "\\Uninstall.exe").size());
    EXPECT_NEAR(kb, bytes / 1024, 3);
}

// True when the program's files, shortcut, entry and registry state are all gone.
void ExpectProgramGone(Machine& m, const std::string& folder) {
    for (const char* file : {"Clearwell.exe", "icon.ico", "Uninstall.exe", update::kDownloadName,
                             update::kDownloadPartName, update::kInstallPartName})
        EXPECT_FALSE(PathExists(folder + "\\" + file)) << file;
    EXPECT_FALSE(PathExists(Shortcut()));
    EXPECT_FALSE(m.registry.KeyExists(kHkeyLocalMachine, kUninstallKey));
    EXPECT_FALSE(m.registry.KeyExists(settings::kSettingsRoot, settings::kSettingsKey));
    EXPECT_FALSE(m.registry.KeyExists(kHkeyLocalMachine, settings::kBrowserButtonKey));
    EXPECT_FALSE(m.registry.KeyExists(settings::kUpdateRoot, settings::kUpdateKey));
    EXPECT_FALSE(m.registry.KeyExists(
        kHkeyCurrentUser, std::string(settings::kAppSettingsArea) + "\\" + settings::kAppName));
    EXPECT_FALSE(m.HasValue(kHkeyCurrentUser, settings::kRunKey, settings::kRunValue));
    EXPECT_FALSE(m.HasValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock));
}

// Everything is still there after a refused uninstall.
void ExpectNothingRemoved(Machine& m, const std::string& folder) {
    for (const char* file : {"Clearwell.exe", "icon.ico", "cwl.exe", "Uninstall.exe"})
        EXPECT_TRUE(PathExists(folder + "\\" + file)) << file;
    EXPECT_TRUE(PathExists(Shortcut()));
    EXPECT_TRUE(m.registry.KeyExists(kHkeyLocalMachine, kUninstallKey));
    EXPECT_EQ(m.Text(settings::kSettingsRoot, settings::kSettingsKey, settings::kAutoCheck),
              "True");
    EXPECT_EQ(m.Text(kHkeyLocalMachine, settings::kBrowserButtonKey, "Default Visible"), "Yes");
    EXPECT_EQ(m.Text(settings::kUpdateRoot, settings::kUpdateKey, settings::kUpdateUp), "b");
    EXPECT_TRUE(m.HasValue(kHkeyCurrentUser, settings::kRunKey, settings::kRunValue));
    EXPECT_TRUE(m.HasValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock));
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
    std::set<DWORD> before = RunningProcessIds();
    EXPECT_EQ(RunAndWait(command), 0);
    EXPECT_TRUE(WaitForProcessesIn(before, "\\~nsu", 60000)) << "the uninstaller still runs";
}

// NSIS's uninstaller works from a copy of itself in a "~nsu*.tmp" folder of the temporary
// folder. A running program cannot delete its own file, so the copy asks Windows to delete
// it and its folder at the next start, through the boot-time list "PendingFileRenameOperations"
// (pairs of names; an empty second name means delete). Windows empties the list at start-up;
// Wine never restarts, so the entries stay. Accepted only while every entry deletes something
// in such a folder.
bool OnlyUninstallerCopiesPendingDeletion(const RegistryChange& change) {
    const std::string key = "HKLM\\System\\CurrentControlSet\\Control\\Session Manager";
    if (change.path != key + " : PendingFileRenameOperations" || !change.before.empty())
        return false;
    win32::Win32Registry registry;
    RegValue list;
    if (registry.QueryValue(kHkeyLocalMachine, key.substr(5), "PendingFileRenameOperations",
                            list) != 0 ||
        list.type != kRegMultiSz)
        return false;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string prefix = std::string("\\??\\") + temp + "~nsu";
    std::vector<std::string> names;
    for (std::size_t at = 0; at < list.data.size();) {
        std::size_t end = list.data.find('\0', at);
        if (end == std::string::npos) end = list.data.size();
        names.push_back(list.data.substr(at, end - at));
        at = end + 1;
    }
    if (!names.empty() && names.back().empty()) names.pop_back();  // the list's closing zero
    if (names.empty() || names.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < names.size(); i += 2) {
        if (!text::StartsWithNoCase(names[i], prefix) || !names[i + 1].empty()) return false;
    }
    return true;
}

// Wine keeps the system parameters that a program changes for the session only (mouse,
// keyboard, screen settings set without saving them) under this key; Windows keeps them in
// memory. Which of them a session touches depends on Wine and the display, not on Clearwell.
bool WinesSessionParameters(const RegistryChange& change) {
    return text::StartsWithNoCase(change.path,
                                  "HKCU\\Software\\Wine\\Temporary System Parameters");
}

void ExpectRegistryAsBefore(const RegistrySnapshot& before, const RegistrySnapshot& after) {
    std::string unexpected;
    for (const RegistryChange& change : CompareSnapshots(before, after)) {
        std::string line = Describe(change);
        bool ours =
            text::ContainsNoCase(line, "Clearwell") || text::ContainsNoCase(line, "Halvane") ||
            text::ContainsNoCase(line, "ClearMem") || text::ContainsNoCase(line, "ECC5777A");
        bool wines = OnlyUninstallerCopiesPendingDeletion(change) || WinesSessionParameters(change);
        if (ours || !wines) unexpected += "\n  " + line;
    }
    EXPECT_TRUE(unexpected.empty()) << "registry lines that differ:" << unexpected;
}

// Wine sets its display up (adapter, monitor and video-mode keys) the first time a program
// of the session shows a window; on Windows that has happened at start-up. A window of the
// test's own, shown and closed before the first snapshot, does it here.
void LetWineSetUpTheDisplay() {
    HWND window = CreateWindowExA(0, "STATIC", "warm-up", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                  nullptr, nullptr, nullptr, nullptr);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    if (window) DestroyWindow(window);
}

class InstallerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { LetWineSetUpTheDisplay(); }
};

TEST_F(InstallerTest, InstallRunUseAndUninstallLeaveTheRegistryAsItWas) {
    Machine m;
    const std::string folder = DefaultFolder();
    RegistrySnapshot before = TakeRegistrySnapshot();

    ASSERT_EQ(RunAndWait("\"" + kSetup + "\" /S"), 0);
    ExpectInstalledAt(m, folder);

    {
        StartedProgram clearwell("\"" + ShortcutTarget(Shortcut()) + "\"");
        ASSERT_NE(clearwell.WaitForWindow(kMainCaption, 30000), nullptr)
            << "no window captioned " << kMainCaption;
        UseTheProgram(m, folder);

        // While the program runs nothing may be removed or replaced, and a silent run must
        // end with an error instead of waiting for someone to close it.
        EXPECT_EQ(UninstallFromACopy(folder), kRefused);
        ExpectNothingRemoved(m, folder);
        UninstallAsAddRemoveDoes(m);
        ExpectNothingRemoved(m, folder);
        EXPECT_EQ(RunAndWait("\"" + kSetup + "\" /S"), kRefused);
        ExpectNothingRemoved(m, folder);
        EXPECT_TRUE(clearwell.Running());
    }

    UninstallAsAddRemoveDoes(m);
    ExpectProgramGone(m, folder);
    EXPECT_FALSE(PathExists(folder));
    ExpectRegistryAsBefore(before, TakeRegistrySnapshot());
}

// Other programs' values beside the program's own, in the same keys and parents.
struct Neighbours {
    Machine& m;
    const std::string makerSibling = "SOFTWARE\\Halvane\\Other Tool";
    const std::string buttonSibling =
        "Software\\Microsoft\\Internet "
        "Explorer\\Extensions\\{0A1B2C3D-0000-1111-2222-333344445555}";
    const std::string appSettingsSibling =
        std::string(settings::kAppSettingsArea) + "\\Other Tool\\Options";

    explicit Neighbours(Machine& machine) : m(machine) {
        m.store.SetSettingString(kHkeyCurrentUser, makerSibling, "Mode", "1");
        m.store.SetSettingString(kHkeyLocalMachine, buttonSibling, "ButtonText", "Other Tool");
        m.store.SetSettingString(kHkeyCurrentUser, appSettingsSibling, "Size", "3");
        m.store.SetSettingString(kHkeyCurrentUser, settings::kRunKey, "Other Tool",
                                 "C:\\Tools\\other.exe");
        m.store.SetSettingString(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage,
                                 "http://example.org/");
    }
    ~Neighbours() {
        DeleteKeyTree(kHkeyCurrentUser, "SOFTWARE\\Halvane");
        DeleteKeyTree(kHkeyLocalMachine, buttonSibling);
        DeleteKeyTree(kHkeyCurrentUser, std::string(settings::kAppSettingsArea) + "\\Other Tool");
        m.store.DeleteSettingValue(kHkeyCurrentUser, settings::kRunKey, "Other Tool");
    }
    void ExpectIntact() {
        EXPECT_EQ(m.Text(kHkeyCurrentUser, makerSibling, "Mode"), "1");
        EXPECT_EQ(m.Text(kHkeyLocalMachine, buttonSibling, "ButtonText"), "Other Tool");
        EXPECT_EQ(m.Text(kHkeyCurrentUser, appSettingsSibling, "Size"), "3");
        EXPECT_EQ(m.Text(kHkeyCurrentUser, settings::kRunKey, "Other Tool"),
                  "C:\\Tools\\other.exe");
        EXPECT_EQ(m.Text(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage),
                  "http://example.org/");
    }
};

TEST_F(InstallerTest, UninstallTakesOnlyTheProgramsOwnFilesAndKeys) {
    Machine m;
    Neighbours neighbours(m);
    // A folder of the user's choice, with a blank in its path and a file of the user's in it.
    const std::string folder = MakeScratchFolder("My Tools") + "\\Clearwell";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteFile(folder + "\\notes.txt", "the user's own file");
    RegistrySnapshot before = TakeRegistrySnapshot();

    ASSERT_EQ(RunAndWait("\"" + kSetup + "\" /S /D=" + folder), 0);  // /D= last, unquoted
    ExpectInstalledAt(m, folder);
    UseTheProgram(m, folder);

    // An executable that cannot be written or deleted (here: held open without write or
    // delete sharing) makes a silent setup fail instead of reporting success, and stops the
    // uninstaller before anything else goes, so that it can be run again.
    {
        win32::FileHandle held(CreateFileA((folder + "\\Clearwell.exe").c_str(), GENERIC_READ,
                                           FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        EXPECT_EQ(RunAndWait("\"" + kSetup + "\" /S /D=" + folder), kRefused);
        EXPECT_EQ(UninstallFromACopy(folder), kRefused);
        ExpectNothingRemoved(m, folder);
    }

    EXPECT_EQ(UninstallFromACopy(folder), 0);
    ExpectProgramGone(m, folder);
    EXPECT_EQ(ReadFile(folder + "\\notes.txt"), "the user's own file");
    neighbours.ExpectIntact();
    ExpectRegistryAsBefore(before, TakeRegistrySnapshot());
}

// The uninstaller knows a running Clearwell by its main window's caption alone: a stand-in
// window of that caption, with the executable not in use, is enough for it to refuse. Run by
// a user, it says why and offers to try again.
TEST_F(InstallerTest, UninstallerRefusesWhileAWindowCaptionedLikeClearwellsIsOpen) {
    Machine m;
    const std::string folder = DefaultFolder();
    ASSERT_EQ(RunAndWait("\"" + kSetup + "\" /S"), 0);
    UseTheProgram(m, folder);
    HWND standIn = CreateWindowExA(0, "STATIC", kMainCaption, WS_POPUP | WS_VISIBLE, 0, 0, 100, 20,
                                   nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(standIn, nullptr);

    EXPECT_EQ(UninstallFromACopy(folder), kRefused);
    ExpectNothingRemoved(m, folder);
    EXPECT_EQ(RunAndWait("\"" + kSetup + "\" /S"), kRefused);

    {
        StartedProgram uninstaller("\"" + folder + "\\Uninstall.exe\" _?=" + folder);
        HWND box = uninstaller.WaitForDialog(30000);
        ASSERT_NE(box, nullptr) << "the uninstaller did not ask";
        EXPECT_TRUE(text::ContainsNoCase(DialogText(box), "Clearwell is running"))
            << DialogText(box);
        SendMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
        EXPECT_EQ(uninstaller.WaitForExit(30000), kRefused);
    }
    ExpectNothingRemoved(m, folder);

    DestroyWindow(standIn);
    EXPECT_EQ(UninstallFromACopy(folder), 0);
    ExpectProgramGone(m, folder);
}

}  // namespace
}  // namespace cw::testing
