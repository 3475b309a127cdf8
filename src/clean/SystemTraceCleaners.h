#pragma once
// The trace cleaners at work on the registry, the shell and the file system.

#include "clean/ExplorerCleaners.h"
#include "clean/HistoryCleaner.h"
#include "clean/MediaPlayerCleaner.h"
#include "clean/RecentListCleaners.h"
#include "clean/ShellFolders.h"
#include "clean/TraceCleaners.h"
#include "files/FileRoutines.h"
#include "platform/OsVersion.h"
#include "platform/RecentDocuments.h"
#include "platform/RecycleBin.h"
#include "platform/UrlCache.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"

namespace cw {

struct TraceCleanerServices {
    SettingsStore& settings;
    OsVersion& os;
    FileRoutines& files;
    ShellFolders& folders;
    UrlCache& urlCache;
    RecentDocuments& recentDocuments;
    RecycleBin& recycleBin;
    ui::Dialogs& dialogs;
};

class SystemTraceCleaners : public TraceCleaners {
  public:
    explicit SystemTraceCleaners(const TraceCleanerServices& services);

    void ClearRecentDocuments() override;
    void ClearIEHistory() override { history_.ClearIEHistory(); }
    void ClearRunMRU() override { explorer_.ClearRunMRU(); }
    void DeleteTypedUrls() override { explorer_.DeleteTypedUrls(); }
    void ClearTempFolder() override;
    void ClearFindFilesMRU() override { explorer_.ClearFindFilesMRU(); }
    void ClearFindComputersMRU() override { explorer_.ClearFindComputersMRU(); }
    void ClearPrinterPortsMRU() override { explorer_.ClearPrinterPortsMRU(); }
    void DisableAutoComplete() override { explorer_.DisableAutoComplete(); }
    void EmptyRecycleBinSilently(WindowHandle owner) override;
    void ClearWinZipFileMenu() override { lists_.ClearWinZipFileMenu(); }
    void ClearWinZipExtractMenu() override { lists_.ClearWinZipExtractMenu(); }
    void ClearVBRecentFiles() override { lists_.ClearVBRecentFiles(); }
    void ClearWordPadRecentList() override { lists_.ClearWordPadRecentList(); }
    void ClearPaintRecentList() override { lists_.ClearPaintRecentList(); }
    void ClearMediaPlayerLists() override { mediaPlayer_.ClearMediaPlayerLists(); }

  private:
    TraceCleanerServices services_;
    ExplorerCleaners explorer_;
    RecentListCleaners lists_;
    HistoryCleaner history_;
    MediaPlayerCleaner mediaPlayer_;
};

}  // namespace cw
