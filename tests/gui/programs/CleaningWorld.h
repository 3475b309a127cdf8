#pragma once
// The cleaning run put together from the Win32 platform layer, for the tests that run it
// outside the main window: the integration tests and their child process for the
// version-dependent cleaners. The browser steps of the run are skipped, not performed, and
// the message boxes answer Yes.

#include <windows.h>

#include <string>
#include <vector>

#include "clean/BrowserWindows.h"
#include "clean/CleaningRun.h"
#include "clean/PanicHost.h"
#include "clean/SystemCleaners.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32MessageWait.h"
#include "platform/win32/Win32OsVersion.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32UrlCache.h"
#include "ui/win32/Win32Dialogs.h"

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

// The browser items plan nothing and are not carried out; the others are wiped.
class SkippedBrowserItems : public ItemCleaners {
  public:
    explicit SkippedBrowserItems(ItemCleaners& real) : real_(real) {}
    CleaningPlan Plan(CleaningItem item) override {
        if (!IsBrowserItem(item)) return real_.Plan(item);
        CleaningPlan plan;
        plan.item = item;
        return plan;
    }
    PlanTotals Wipe(CleaningItem item) override {
        return IsBrowserItem(item) ? PlanTotals{} : real_.Wipe(item);
    }

  private:
    static bool IsBrowserItem(CleaningItem item) {
        using I = CleaningItem;
        for (I browser : {I::NetscapeHistory, I::NetscapeCache, I::NetscapeCookies, I::IECookies,
                          I::IECache, I::IndexDat}) {
            if (item == browser) return true;
        }
        return false;
    }
    ItemCleaners& real_;
};

class NoReports : public ErrorSink {
  public:
    void ReportError(const std::string&, const RuntimeError&) noexcept override {}
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
    NoMainWindow host;
    NoReports errors;
    SettingsStore settings{registry};
    PathGuard guard{special, fs};
    FileRoutines files{fs, guard};
    ShellFolders folders{special};
    CacheControls cacheControls;
    CacheManager cache{cacheControls, urlCache, files, folders, errors};
    NetscapeCleaner netscape{settings, files, clock};
    SystemCleaners systemCleaners{CleanerServices{
        settings, os, files, folders, urlCache, recent, bin, dialogs, host, cache, netscape, {}}};
    SkippedBrowserItems cleaners{systemCleaners};
    BrowserWindows browsers{desktop, dialogs, clock, wait};
    PrivacyControls privacy;
    PanicControls panic;
    CleaningRun run{privacy, panic,
                    CleaningRunServices{settings, dialogs, browsers, cleaners, host}};

    // Ticks exactly the named boxes; false when a name is not a box.
    bool Tick(const std::vector<std::string>& boxes) {
        run.cmdDeselectAll_Click();
        for (const std::string& name : boxes) {
            ui::CheckBox* box = BoxByName(privacy, name);
            if (!box) return false;
            box->SetValue(ui::kChecked);
        }
        return true;
    }
};

}  // namespace cw::world
