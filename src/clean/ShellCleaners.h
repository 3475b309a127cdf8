#pragma once
// The cleaners of the shell's own lists and folders: recent documents, the temporary folder
// and the Recycle Bin.

#include "clean/CleaningPlan.h"
#include "clean/PanicHost.h"
#include "clean/ShellFolders.h"
#include "files/FileRoutines.h"
#include "platform/RecentDocuments.h"
#include "platform/RecycleBin.h"
#include "ui/Dialogs.h"

namespace cw {

class ShellCleaners {
  public:
    ShellCleaners(RecentDocuments& recent, RecycleBin& bin, FileRoutines& files,
                  ShellFolders& folders, ui::Dialogs& dialogs, PanicHost& host)
        : recent_(recent),
          bin_(bin),
          files_(files),
          folders_(folders),
          dialogs_(dialogs),
          host_(host) {}

    // The shell empties its list itself; the shortcuts of the Recent folder go as well.
    void PlanRecentDocuments(CleaningPlan& plan);
    // Everything inside the temporary folder; the folder itself stays, as other programs
    // fail when the folder they were told to use is missing.
    void PlanTempFolder(CleaningPlan& plan);
    // The shell empties the Recycle Bin of every drive without confirmation, progress or
    // sound (owned by the main window), then pending messages are let through.
    void PlanRecycleBin(CleaningPlan& plan);

  private:
    RecentDocuments& recent_;
    RecycleBin& bin_;
    FileRoutines& files_;
    ShellFolders& folders_;
    ui::Dialogs& dialogs_;
    PanicHost& host_;
};

}  // namespace cw
