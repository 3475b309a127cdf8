#include "clean/PlanTargets.h"

#include "files/Paths.h"

namespace cw {

namespace {

bool IsDots(const std::string& name) {
    return name == "." || name == "..";
}

// A folder removed once its content is gone. A folder something inside it kept is not
// counted again: what stayed inside was counted.
TargetOutcome RemoveEmptiedFolder(FileSystem& fs, const std::string& path,
                                  std::uint32_t attributes) {
    if (attributes & kAttrReadOnly) fs.SetAttributes(path, kAttrNormal);
    long status = fs.RemoveFolder(path);
    if (status == kErrorSuccess) return true;
    if (status == kErrorDirNotEmpty) return LeftReason::None;
    return WhyLeft(fs, path, status);
}

// The folder's content, then the folder itself once its content is gone. False when
// something inside stays, and so does the folder.
bool PlanWholeFolder(CleaningPlan& plan, FileSystem& fs, const std::string& path,
                     std::uint32_t attributes, const TreeRules& rules) {
    if (!PlanTreeContents(plan, fs, path, rules)) return false;
    plan.Add(TargetKind::Folder, path,
             [&fs, path, attributes] { return RemoveEmptiedFolder(fs, path, attributes); });
    return true;
}

std::string RegistryPath(RootKey root, const std::string& key) {
    return (root == kHkeyLocalMachine ? "HKLM\\" : "HKCU\\") + key;
}

}  // namespace

void PlanExistingFile(CleaningPlan& plan, FileRoutines& files, const std::string& path) {
    if (path.empty() || !files.guard().MayDelete(path)) return;
    files.fs().Find(path, [&](const FindData& entry) {
        if (!entry.IsDirectory() && !entry.IsReparsePoint())
            plan.AddFile(files.fs(), path, entry.size, entry.attributes);
        return false;
    });
}

bool PlanTreeContents(CleaningPlan& plan, FileSystem& fs, const std::string& folder,
                      const TreeRules& rules) {
    bool allGo = true;
    fs.Find(folder + "\\*", [&](const FindData& entry) {
        if (IsDots(entry.name)) return true;
        std::string path = folder + "\\" + entry.name;
        bool hidden = (entry.attributes & (kAttrHidden | kAttrSystem)) != 0;
        if (entry.IsReparsePoint()) {
            allGo = false;
            plan.Add(TargetKind::Link, path, [] { return LeftReason::Link; });
        } else if ((hidden && !rules.hiddenToo) || (rules.spare && rules.spare(entry))) {
            allGo = false;
        } else if (entry.IsDirectory()) {
            if (!PlanWholeFolder(plan, fs, path, entry.attributes, rules)) allGo = false;
        } else {
            plan.AddFile(fs, path, entry.size, entry.attributes);
        }
        return true;
    });
    return allGo;
}

void PlanSubfolderTree(CleaningPlan& plan, FileSystem& fs, const std::string& folder,
                       const FindData& entry, const TreeRules& rules) {
    if (!entry.IsDirectory() || entry.IsReparsePoint() || IsDots(entry.name)) return;
    PlanWholeFolder(plan, fs, AddSlash(folder) + entry.name, entry.attributes, rules);
}

void PlanPlainFiles(CleaningPlan& plan, FileRoutines& files, const std::string& folder,
                    const std::string& pattern, const std::function<bool(const FindData&)>& spare) {
    const std::string base = AddSlash(folder);
    if (folder.empty() || !files.guard().MayDelete(base) || !files.IsRealFolder(base)) return;
    files.fs().Find(base + pattern, [&](const FindData& entry) {
        const std::uint32_t skip = kAttrDirectory | kAttrHidden | kAttrSystem | kAttrReparsePoint;
        if (!(entry.attributes & skip) && !(spare && spare(entry)))
            plan.AddFile(files.fs(), base + entry.name, entry.size, entry.attributes);
        return true;
    });
}

void PlanMatchingFiles(CleaningPlan& plan, FileRoutines& files, const std::string& folder,
                       const std::string& pattern,
                       const std::function<bool(const FindData&)>& spare) {
    const std::string base = AddSlash(folder);
    if (folder.empty() || !files.guard().MayDelete(base) || !files.IsRealFolder(base)) return;
    PlanPlainFiles(plan, files, base, pattern, spare);
    TreeRules rules{false, spare};
    files.fs().Find(base + "*", [&](const FindData& entry) {
        if (entry.IsDirectory() && !(entry.attributes & (kAttrHidden | kAttrSystem)))
            PlanSubfolderTree(plan, files.fs(), base, entry, rules);
        return true;
    });
}

void PlanRegistryValue(CleaningPlan& plan, SettingsStore& settings, RootKey root,
                       const std::string& key, const std::string& name) {
    Registry& registry = settings.registry();
    RegValue value;
    if (registry.QueryValue(root, key, name, value) != kErrorSuccess) return;
    plan.Add(TargetKind::RegistryValue, RegistryPath(root, key) + "|" + name,
             [&registry, root, key, name] {
                 return registry.DeleteValue(root, key, name) == kErrorSuccess;
             });
}

void PlanRegistryKey(CleaningPlan& plan, SettingsStore& settings, RootKey root,
                     const std::string& key) {
    Registry& registry = settings.registry();
    if (!registry.KeyExists(root, key)) return;
    std::vector<std::string> subkeys, values;
    registry.EnumSubkeys(root, key, subkeys);
    if (!subkeys.empty()) return;  // refused by the deletion (as on Windows NT)
    registry.EnumValueNames(root, key, values);
    plan.Add(
        TargetKind::RegistryKey, RegistryPath(root, key),
        [&registry, root, key] { return registry.DeleteKey(root, key) == kErrorSuccess; }, 0,
        std::max<int>(1, static_cast<int>(values.size())));
}

}  // namespace cw
