#pragma once
// The cleaners of Internet Explorer's and the shell's lists kept in the registry of the
// current user: typed addresses, AutoComplete data, the Run list, the search lists and the
// printer-port list. A key or value that does not exist is no error.

#include "platform/OsVersion.h"
#include "settings/SettingsStore.h"

namespace cw {

class ExplorerCleaners {
  public:
    ExplorerCleaners(SettingsStore& settings, OsVersion& os) : settings_(settings), os_(os) {}

    void DeleteTypedUrls();
    // Deletes the stored form data and switches form suggestions and AutoComplete off.
    void DisableAutoComplete();
    // Deletes the values named by the letters of "MRUList", then "MRUList"; the key stays.
    void ClearRunMRU();
    // Deletes the one search-list key of this Windows version.
    void ClearFindFilesMRU();
    void ClearFindComputersMRU();
    void ClearPrinterPortsMRU();

  private:
    SettingsStore& settings_;
    OsVersion& os_;
};

}  // namespace cw
