#pragma once
// The cleaners of the cleaning run that remove registry, shell and folder traces: one call
// per item. The run calls them when their boxes are ticked; SystemTraceCleaners does the
// work, tests record the calls.

#include "platform/WindowHandle.h"

namespace cw {

class TraceCleaners {
  public:
    virtual ~TraceCleaners() = default;
    virtual void ClearRecentDocuments() = 0;   // chkDocuments
    virtual void ClearIEHistory() = 0;         // chkInternetHistory
    virtual void ClearRunMRU() = 0;            // chkRunMenu
    virtual void DeleteTypedUrls() = 0;        // chkUrls
    virtual void ClearTempFolder() = 0;        // chkTemp
    virtual void ClearFindFilesMRU() = 0;      // chkFindFiles
    virtual void ClearFindComputersMRU() = 0;  // chkFindComputers
    virtual void ClearPrinterPortsMRU() = 0;   // chkPrinterPorts
    virtual void DisableAutoComplete() = 0;    // chkAutoComplete
    // chkRecBin; the owner is the main window.
    virtual void EmptyRecycleBinSilently(WindowHandle owner) = 0;
    virtual void ClearWinZipFileMenu() = 0;     // chkWzip1
    virtual void ClearWinZipExtractMenu() = 0;  // chkWzip2
    virtual void ClearVBRecentFiles() = 0;      // chkVb
    virtual void ClearWordPadRecentList() = 0;  // chkWordPad
    virtual void ClearPaintRecentList() = 0;    // chkPbrush
    virtual void ClearMediaPlayerLists() = 0;   // chkMediaPlayer
};

}  // namespace cw
