#include "clean/ShellCleaners.h"

#include "clean/PlanTargets.h"
#include "files/Paths.h"

namespace cw {

void ShellCleaners::PlanRecentDocuments(CleaningPlan& plan) {
    RecentDocuments& recent = recent_;
    plan.Add(TargetKind::AtRunTime, "the shell's list of recent documents", [&recent] {
        recent.Clear();
        return true;
    });
    // Windows removes the list's shortcuts with it; Wine empties only the registry list, so
    // the shortcuts the shell put into the Recent folder are deleted here as well.
    std::string folder = folders_.GetShellFolderPath(kCsidlRecent);
    if (!folder.empty()) PlanPlainFiles(plan, files_, folder, "*.lnk");
}

void ShellCleaners::PlanTempFolder(CleaningPlan& plan) {
    std::string temp = DropSlash(files_.GetTempFolder());
    // Never a drive's root or a relative name.
    if (temp.find('\\') == std::string::npos || !files_.guard().MayDelete(temp) ||
        !files_.IsRealFolder(temp))
        return;
    TreeRules rules{true, [](const FindData& entry) { return entry.name == "pagefile.sys"; }};
    PlanTreeContents(plan, files_.fs(), temp, rules);
}

void ShellCleaners::PlanRecycleBin(CleaningPlan& plan) {
    plan.Add(TargetKind::AtRunTime, "the Recycle Bin of every drive", [this] {
        long result = bin_.Empty(host_.MainWindowHandle(), "",
                                 kRecycleNoConfirmation | kRecycleNoProgressUi | kRecycleNoSound);
        if (result != 0) bin_.UpdateIcon();
        dialogs_.DoEvents();
        return result == 0;
    });
}

}  // namespace cw
