#pragma once
// The cleaning run put together from the Win32 platform layer, for the programs and tests
// that run it outside the main window: the version-dependent cleaners in a child process,
// the demo's seeding tool and the integration tests. The browser steps of the run are
// recorded, not performed, and the message boxes answer Yes.

#include <windows.h>

#include <string>
#include <vector>

#include "app/win32/Win32Dialogs.h"
#include "clean/BrowserCleaningSteps.h"
#include "clean/BrowserWindows.h"
#include "clean/CleaningRun.h"
#include "clean/PanicHost.h"
#include "clean/SystemTraceCleaners.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32MessageWait.h"
#include "platform/win32/Win32OsVersion.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32UrlCache.h"

namespace cw::world {

// Message boxes are answered Yes (or OK) without showing them; their texts are kept.
class AnsweringDialogs : public win32::Win32Dialogs {
  public:
    int MsgBox(const std::string& prompt, int buttons, const std::string&) override {
        prompts.push_back(prompt);
        return (buttons & 0xF) == ui::vbYesNo ? ui::vbYes : ui::vbOK;
    }
    std::vector<std::string> prompts;
};

class RecordedBrowserSteps : public BrowserCleaningSteps {
  public:
    void ClearNetscapeHistory() override { calls.push_back("ClearNetscapeHistory"); }
    void ClearNetscapeCache() override { calls.push_back("ClearNetscapeCache"); }
    void ClearNetscapeCookies() override { calls.push_back("ClearNetscapeCookies"); }
    void ClearIECookies() override { calls.push_back("ClearIECookies"); }
    void ClearIECache() override { calls.push_back("ClearIECache"); }
    void ScheduleIndexDatDeletion() override { calls.push_back("ScheduleIndexDatDeletion"); }
    std::vector<std::string> calls;
};

class NoMainWindow : public PanicHost {
  public:
    void SetUnattendedExit() override {}
    void HideMainWindow() override {}
    void RemoveTrayIcon() override {}
    void UnloadMainWindow() override {}
    WindowHandle MainWindowHandle() override { return 0; }
};

struct CleaningWorld {
    win32::Win32Registry registry;
    win32::Win32FileSystem fs;
    win32::Win32SystemFolders special;
    win32::Win32OsVersion os;
    win32::Win32UrlCache urlCache;
    win32::Win32RecentDocuments recent;
    win32::Win32RecycleBin bin;
    win32::Win32Desktop desktop;
    win32::Win32Clock clock;
    win32::Win32MessageWait wait;
    AnsweringDialogs dialogs;
    RecordedBrowserSteps browserSteps;
    NoMainWindow host;
    SettingsStore settings{registry};
    PathGuard guard{special, fs};
    FileRoutines files{fs, guard};
    ShellFolders folders{special};
    SystemTraceCleaners cleaners{
        TraceCleanerServices{settings, os, files, folders, urlCache, recent, bin, dialogs}};
    BrowserWindows browsers{desktop, dialogs, clock, wait};
    PrivacyControls privacy;
    PanicControls panic;
    CleaningRun run{
        privacy, panic,
        CleaningRunServices{settings, dialogs, browsers, cleaners, browserSteps, host, files}};

    // Ticks exactly the named boxes; false when a name is not a box.
    bool Tick(const std::vector<std::string>& boxes) {
        run.cmdDeselectAll_Click();
        for (const std::string& name : boxes) {
            ui::CheckBox* box = privacy.ByName(name);
            if (!box) return false;
            box->SetValue(ui::kChecked);
        }
        return true;
    }
};

}  // namespace cw::world
