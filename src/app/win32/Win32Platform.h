#pragma once
// Every Win32 implementation of the platform the program uses, built once by WinMain and
// handed out as Services.

#include <memory>

#include "app/Services.h"
#include "platform/win32/Win32ChangeWatch.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Internet.h"
#include "platform/win32/Win32MessageWait.h"
#include "platform/win32/Win32NotifyIcon.h"
#include "platform/win32/Win32OsVersion.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32ShellExecute.h"
#include "platform/win32/Win32SignatureCheck.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32SystemInfo.h"
#include "platform/win32/Win32UrlCache.h"
#include "report/ErrorReport.h"
#include "ui/win32/Win32Dialogs.h"

namespace cw::win32 {

class Win32Platform {
  public:
    Win32Platform();
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Services& services() { return services_; }
    Win32Dialogs& dialogs() { return dialogs_; }

  private:
    Win32Registry registry_;
    Win32FileSystem fileSystem_;
    Win32Clock clock_;
    Win32Internet internet_;
    std::unique_ptr<Transfer> transfer_;
    ConnectionTest connection_;
    Win32SystemFolders systemFolders_;
    Win32RecycleBin recycleBin_;
    Win32RecentDocuments recentDocuments_;
    Win32Desktop desktop_;
    Win32ShellExecute shell_;
    Win32NotifyIcon notifyIcon_;
    Win32ChangeWatch changeWatch_;
    Win32UrlCache urlCache_;
    Win32SystemInfo systemInfo_;
    Win32OsVersion osVersion_;
    Win32Dialogs dialogs_;
    ErrorReport errors_;
    SettingsStore settings_;
    Win32MessageWait messageWait_;
    PathGuard pathGuard_;
    FileRoutines files_;
    ShellFolders shellFolders_;
    Win32SignatureCheck signatures_;
    Services services_;
};

}  // namespace cw::win32
