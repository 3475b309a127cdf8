#pragma once
// Building plans: the targets of the common changes, found the way the deletion that
// carries them out will meet them. Nothing here changes anything until a target is carried
// out. A link is never entered, changed nor removed.

#include <functional>
#include <string>
#include <string_view>

#include "clean/CleaningPlan.h"
#include "files/FileRoutines.h"
#include "settings/SettingsStore.h"

namespace cw {

// The file at path when it is a plain file (not a folder or link) that the guard allows.
void PlanExistingFile(CleaningPlan& plan, FileRoutines& files, const std::string& path);

// Which entries of a folder tree go.
struct TreeRules {
    bool hiddenToo = true;  // hidden and system entries go as well
    // Entries that stay (links always do, each a Link target the wipe counts as left);
    // their folders stay with them.
    std::function<bool(const FindData&)> spare;
};
// Everything inside the folder the rules let go, files first, each subfolder after its
// content when nothing in it stays. Returns true when nothing inside stays.
bool PlanTreeContents(CleaningPlan& plan, FileSystem& fs, const std::string& folder,
                      const TreeRules& rules);
// A subfolder found in a folder the guard allows, with everything inside it. What lies
// below an allowed folder is allowed too, so the folder's own entry is all it takes: a link
// is left, not followed.
void PlanSubfolderTree(CleaningPlan& plan, FileSystem& fs, const std::string& folder,
                       const FindData& entry, const TreeRules& rules);
// The plain files of the folder matching the pattern (not hidden or system files, folders or
// links), except those spare says stay.
void PlanPlainFiles(CleaningPlan& plan, FileRoutines& files, const std::string& folder,
                    const std::string& pattern,
                    const std::function<bool(const FindData&)>& spare = {});
// The plain files matching the pattern, then every subfolder that is not hidden with what
// is inside it (its hidden entries stay).
void PlanMatchingFiles(CleaningPlan& plan, FileRoutines& files, const std::string& folder,
                       const std::string& pattern,
                       const std::function<bool(const FindData&)>& spare = {});

// A registry value deleted, when it exists.
void PlanRegistryValue(CleaningPlan& plan, SettingsStore& settings, RootKey root,
                       const std::string& key, const std::string& name);
// A registry key deleted, when it exists and can go (it has no subkeys); stands for its
// values.
void PlanRegistryKey(CleaningPlan& plan, SettingsStore& settings, RootKey root,
                     const std::string& key);

}  // namespace cw
