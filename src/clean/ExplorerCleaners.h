#pragma once
// The cleaners of Internet Explorer's and the shell's lists kept in the registry of the
// current user: typed addresses, AutoComplete data, the Run list, the search lists and the
// printer-port list. Each works out its plan; a key or value that does not exist is not in
// it.

#include "clean/CleaningPlan.h"
#include "platform/OsVersion.h"
#include "settings/SettingsStore.h"

namespace cw {

class ExplorerCleaners {
  public:
    ExplorerCleaners(SettingsStore& settings, OsVersion& os) : settings_(settings), os_(os) {}

    void PlanTypedUrls(CleaningPlan& plan);
    // Deletes the stored form data and switches form suggestions and AutoComplete off.
    void PlanAutoComplete(CleaningPlan& plan);
    // Deletes the values named by the letters of "MRUList", then "MRUList"; the key stays.
    void PlanRunMRU(CleaningPlan& plan);
    // Deletes the one search-list key of this Windows version.
    void PlanFindFilesMRU(CleaningPlan& plan);
    void PlanFindComputersMRU(CleaningPlan& plan);
    void PlanPrinterPortsMRU(CleaningPlan& plan);

  private:
    SettingsStore& settings_;
    OsVersion& os_;
};

}  // namespace cw
