#pragma once
// The cleaners of the 22 items at work on the registry, the shell, the file system and the
// browsers' profiles and caches.

#include <functional>

#include "clean/CacheManager.h"
#include "clean/ExplorerCleaners.h"
#include "clean/HistoryCleaner.h"
#include "clean/ItemCleaners.h"
#include "clean/MediaPlayerCleaner.h"
#include "clean/NetscapeCleaner.h"
#include "clean/PanicHost.h"
#include "clean/RecentListCleaners.h"
#include "clean/ShellCleaners.h"
#include "clean/ShellFolders.h"
#include "files/FileRoutines.h"
#include "platform/OsVersion.h"
#include "platform/RecentDocuments.h"
#include "platform/RecycleBin.h"
#include "platform/UrlCache.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"

namespace cw {

struct CleanerServices {
    SettingsStore& settings;
    OsVersion& os;
    FileRoutines& files;
    ShellFolders& folders;
    UrlCache& urlCache;
    RecentDocuments& recentDocuments;
    RecycleBin& recycleBin;
    ui::Dialogs& dialogs;
    PanicHost& host;      // the main window owns the shell's dialogs
    CacheManager& cache;  // the "IE Cache" page, which shows the index after its steps
    NetscapeCleaner& netscape;
    std::function<void()> loadCookieDomains;  // the cookie viewer reloads its lists
};

// What the item table's planners reach.
struct CleanerSet {
    explicit CleanerSet(const CleanerServices& services);

    CleanerServices s;
    ExplorerCleaners explorer;
    RecentListCleaners lists;
    HistoryCleaner history;
    MediaPlayerCleaner mediaPlayer;
    ShellCleaners shell;
};

class SystemCleaners : public ItemCleaners {
  public:
    explicit SystemCleaners(const CleanerServices& services) : set_(services) {}

    CleaningPlan Plan(CleaningItem item) override;
    PlanTotals Wipe(CleaningItem item) override;

  private:
    CleanerSet set_;
};

}  // namespace cw
