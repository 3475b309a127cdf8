#pragma once
// Registry places and value names of the program's own settings, and the other keys it
// reads or writes through the settings store.

#include <array>

#include "platform/Registry.h"

namespace cw::settings {

inline constexpr RootKey kSettingsRoot = kHkeyCurrentUser;
inline constexpr const char kSettingsKey[] = "SOFTWARE\\Halvane\\Clearwell";

// Scheduled folder shredder.
inline constexpr const char kShredFolder[] = "ShredFolder";
inline constexpr const char kShredFolderHour[] = "ShredFolderHour";
inline constexpr const char kShredFolderMinute[] = "ShredFolderMinute";

// The 22 cleaning selections, in the order the main window loads and saves them.
inline constexpr std::array<const char*, 22> kCleaningBoxes = {
    "chkAutoComplete", "chkInternetHistory", "chkUrls",        "chkIECache",
    "chkCookies",      "chkClearIndexDAT",   "chkDocuments",   "chkRunMenu",
    "chkTemp",         "chkRecBin",          "chkFindFiles",   "chkFindComputers",
    "chkPrinterPorts", "chkWzip1",           "chkWzip2",       "chkVb",
    "chkWordPad",      "chkPbrush",          "chkMediaPlayer", "NetScape1",
    "netscape2",       "netscape3"};

inline constexpr const char kAutoCheck[] = "AutoCheck";
inline constexpr const char kRunOnExit[] = "RunOnExit";
inline constexpr const char kHourlyFrequency[] = "HourlyFrequency";
inline constexpr const char kHourlyScheduleCloseBrowser[] = "HourlyScheduleCloseBrowser";
inline constexpr const char kDailyScheduleTime[] = "DailyScheduleTime";
inline constexpr const char kDailyScheduleCloseBrowser[] = "DailyScheduleCloseBrowser";
inline constexpr const char kWeeklyScheduleDay[] = "WeeklyScheduleDay";
inline constexpr const char kWeeklyScheduleTime[] = "WeeklyScheduleTime";
inline constexpr const char kWeeklyScheduleCloseBrowser[] = "WeeklyScheduleCloseBrowser";

// Internet Explorer's home page, and the program's lock flag beside it.
inline constexpr const char kIEMainKey[] = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const char kStartPage[] = "Start Page";
inline constexpr const char kLock[] = "Lock";

// Start with Windows.
inline constexpr const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char kRunValue[] = "Clearwell";

// The updater's key (machine-wide).
inline constexpr RootKey kUpdateRoot = kHkeyLocalMachine;
inline constexpr const char kUpdateKey[] = "Software\\Microsoft\\ClearMem";
inline constexpr const char kUpdateVer[] = "ver";
inline constexpr const char kUpdateApp[] = "App";
inline constexpr const char kUpdateUp[] = "Up";
inline constexpr const char kUpdateDonReq[] = "donreq";

// Written after the Internet Explorer cookies were cleaned by hand.
inline constexpr const char kMarkerKey[] = "Software\\Microsoft\\Tolvex";
inline constexpr const char kMarkerValue[] = "cookies";

// Internet Explorer's toolbar button for the program.
inline constexpr const char kBrowserButtonKey[] =
    "Software\\Microsoft\\Internet Explorer\\Extensions\\"
    "{ECC5777A-6E88-BFCE-13CE-81F134789E7B}";

// Where the Netscape and Mozilla profiles are found.
inline constexpr const char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char kNetscapeBiffKey[] = "Software\\Netscape\\Netscape Navigator\\biff";
inline constexpr const char kNetscapeMainKey[] = "Software\\Netscape\\Netscape Navigator\\Main";

// The per-user application-settings area: one subkey per application and section.
inline constexpr const char kAppSettingsArea[] = "Software\\VB and VBA Program Settings";
inline constexpr const char kAppName[] = "Clearwell";
inline constexpr const char kInstallSection[] = "Install";

// Traces the cleaners remove (all under HKEY_CURRENT_USER).
inline constexpr const char kTypedUrlsKey[] = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
inline constexpr const char kUrlHistoryKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Url History";
inline constexpr const char kDaysToKeep[] = "DaysToKeep";
inline constexpr const char kIntelliFormsKey[] =
    "Software\\Microsoft\\Internet Explorer\\IntelliForms\\SPW";
inline constexpr const char kUseFormSuggest[] = "Use FormSuggest";
inline constexpr const char kExplorerAutoCompleteKey[] =
    "Software\\Microsoft\\Explorer\\AutoComplete";
inline constexpr const char kUseAutoComplete[] = "Use AutoComplete";
inline constexpr const char kRunMruKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
inline constexpr const char kMruList[] = "MRUList";
// The file and computer searches keep their lists in a different place on each system.
inline constexpr const char kFindFilesMru2000Key[] =
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
    "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU";
inline constexpr const char kFindFilesMruXPKey[] =
    "Software\\Microsoft\\Search Assistant\\ACMru\\5603";
inline constexpr const char kFindFilesMruKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU";
inline constexpr const char kFindComputerMruKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindComputerMRU";
inline constexpr const char kFindComputersMru2000Key[] =
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
    "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ComputerNameMRU";
inline constexpr const char kFindComputersMruXPKey[] =
    "Software\\Microsoft\\Search Assistant\\ACMru\\5647";
inline constexpr const char kPrnPortsMruKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\PrnPortsMRU";
inline constexpr const char kWinZipFileMenuKey[] = "Software\\Nico Mak Computing\\WinZip\\filemenu";
inline constexpr const char kWinZipFileMenuPrefix[] = "filemenu";
inline constexpr const char kWinZipExtractKey[] = "Software\\Nico Mak Computing\\WinZip\\extract";
inline constexpr const char kWinZipExtractPrefix[] = "extract";
inline constexpr const char kVbRecentFilesKey[] =
    "Software\\Microsoft\\Visual Basic\\6.0\\RecentFiles";
inline constexpr const char kWordPadRecentKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List";
inline constexpr const char kPaintRecentKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List";
inline constexpr const char kMediaPlayerUrlsKey[] =
    "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList";
inline constexpr const char kMediaPlayerFilesKey[] =
    "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";
// Media Player's folder, at a fixed place: the Administrator's profile on Windows 2000/XP.
inline constexpr const char kMediaPlayerFolder[] =
    "C:\\Documents and Settings\\Administrator\\Application Data\\Microsoft\\Media Player";

}  // namespace cw::settings
