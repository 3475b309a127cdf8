#pragma once
// The services the features are built on, wired as the main window wires them, over the
// platform of either build: the fakes on the host (FakePlatform below), the Win32
// implementations under Wine (support/Win32Platform.h). Fixtures derive from Services and
// add the feature they test; BrowserServices adds the browser pages and cleaners.

#include "browser/CookieViewer.h"
#include "clean/CacheManager.h"
#include "clean/NetscapeCleaner.h"
#include "clean/ShellFolders.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSystemFolders.h"
#include "fakes/FakeUrlCache.h"
#include "fakes/RecordingErrorSink.h"
#include "files/FileRoutines.h"
#include "files/PathGuard.h"
#include "settings/SettingsStore.h"

namespace cw::testing {

struct FakePlatform {
    using Registry = fakes::FakeRegistry;
    using FileSystem = fakes::FakeFileSystem;
    using SystemFolders = fakes::FakeSystemFolders;
    using UrlCache = fakes::FakeUrlCache;
    using Clock = fakes::FakeClock;
};

template <class Platform>
struct Services {
    typename Platform::Registry registry;
    fakes::RecordingErrorSink errors;
    SettingsStore settings{registry, &errors};
    typename Platform::SystemFolders folders;
    typename Platform::FileSystem fs;
    PathGuard guard{folders, fs};
    FileRoutines files{fs, guard};
    ShellFolders shellFolders{folders};
    typename Platform::UrlCache cache;
    typename Platform::Clock clock;
    fakes::FakeDialogs dialogs;
};

template <class Platform>
struct BrowserServices : Services<Platform> {
    CacheControls cacheControls;
    CookieViewerControls cookieControls;
    CacheManager cacheManager{cacheControls, this->cache, this->files, this->shellFolders,
                              this->errors};
    NetscapeCleaner netscape{this->settings, this->files, this->clock};
    CookieViewer viewer{cookieControls, this->settings, this->files, this->errors};
};

}  // namespace cw::testing
