#pragma once
// The cache manager, the Netscape cleaner and the cookie viewer on the real platform, wired
// as the main window wires them.

#include "browser/CookieViewer.h"
#include "clean/BrowserCleaner.h"
#include "clean/CacheManager.h"
#include "clean/NetscapeCleaner.h"
#include "clean/ShellFolders.h"
#include "fakes/RecordingErrorSink.h"
#include "files/FileRoutines.h"
#include "files/PathGuard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SpecialFolders.h"
#include "platform/win32/Win32UrlCache.h"
#include "settings/SettingsStore.h"

namespace cw::testing {

struct BrowserServices {
    win32::Win32Registry registry;
    fakes::RecordingErrorSink errors;
    SettingsStore settings{registry, &errors};
    win32::Win32SpecialFolders folders;
    win32::Win32FileSystem fs;
    PathGuard guard{folders, fs};
    FileRoutines files{fs, guard};
    ShellFolders shellFolders{folders};
    win32::Win32UrlCache urlCache;
    win32::Win32Clock clock;

    CacheControls cacheControls;
    CookieViewerControls cookieControls;
    CacheManager cache{cacheControls, urlCache, files, shellFolders, errors};
    NetscapeCleaner netscape{settings, files, clock};
    CookieViewer viewer{cookieControls, settings, files, errors};
    BrowserCleaner steps{cache, netscape, [this] { viewer.LoadCookieDomains(); }};
};

}  // namespace cw::testing
