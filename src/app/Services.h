#pragma once
// The platform services of the program, built once at start (the Win32 implementations in
// the program, fakes in the tests) and handed to the windows and features by reference.

#include "clean/ShellFolders.h"
#include "errors/ErrorSink.h"
#include "files/FileRoutines.h"
#include "files/PathGuard.h"
#include "platform/ChangeWatch.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/FileSystem.h"
#include "platform/Internet.h"
#include "platform/MessageWait.h"
#include "platform/NotifyIcon.h"
#include "platform/OsVersion.h"
#include "platform/RecentDocuments.h"
#include "platform/RecycleBin.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/SignatureCheck.h"
#include "platform/SystemFolders.h"
#include "platform/SystemInfo.h"
#include "platform/UrlCache.h"
#include "report/ConnectionTest.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"

namespace cw {

struct Services {
    Registry& registry;
    SettingsStore& settings;
    FileSystem& fileSystem;
    Clock& clock;
    Internet& internet;
    // The main window's internet-transfer control, shared by the error report and the
    // update check.
    Transfer& transfer;
    ConnectionTest& connection;
    SystemFolders& systemFolders;
    RecycleBin& recycleBin;
    RecentDocuments& recentDocuments;
    Desktop& desktop;
    Shell& shell;
    NotifyIcon& notifyIcon;
    ChangeWatch& changeWatch;
    UrlCache& urlCache;
    SystemInfo& systemInfo;
    OsVersion& osVersion;
    ui::Dialogs& dialogs;
    ErrorSink& errors;
    // Short waits of the user-interface thread that end when a window message arrives.
    MessageWait& messageWait;
    // Built once on the services above: the deletion rules, the file routines that follow
    // them, and the special-folder lookup.
    PathGuard& pathGuard;
    FileRoutines& files;
    ShellFolders& shellFolders;
    // Checks the maker's signature of an update with the built-in public key.
    SignatureCheck& signatures;
};

}  // namespace cw
