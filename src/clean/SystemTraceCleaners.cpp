#include "clean/SystemTraceCleaners.h"

#include "clean/FolderCleaners.h"
#include "clean/ShellCleaners.h"

namespace cw {

SystemTraceCleaners::SystemTraceCleaners(const TraceCleanerServices& services)
    : services_(services),
      explorer_(services.settings, services.os),
      lists_(services.settings),
      history_(services.settings, services.urlCache, services.folders, services.files),
      mediaPlayer_(services.settings, services.files, services.folders) {}

void SystemTraceCleaners::ClearRecentDocuments() {
    cw::ClearRecentDocuments(services_.recentDocuments);
    // Windows removes the list's shortcuts with it; Wine empties only the registry list, so
    // the shortcuts the shell put into the Recent folder are deleted here as well.
    std::string recent = services_.folders.GetShellFolderPath(kCsidlRecent);
    if (!recent.empty()) DeletePlainFiles(services_.files, recent, "*.lnk");
}

void SystemTraceCleaners::ClearTempFolder() {
    cw::ClearTempFolder(services_.files);
}

void SystemTraceCleaners::EmptyRecycleBinSilently(WindowHandle owner) {
    cw::EmptyRecycleBinSilently(services_.recycleBin, owner, services_.dialogs);
}

}  // namespace cw
