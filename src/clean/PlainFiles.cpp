#include "clean/PlainFiles.h"

#include <vector>

#include "files/Paths.h"
#include "text/Ansi.h"

namespace cw {

void DeletePlainFiles(FileRoutines& files, const std::string& folder, const std::string& pattern,
                      std::string_view spare) {
    const std::string base = AddSlash(folder);
    if (!files.guard().MayDelete(base) || !files.IsRealFolder(base)) return;
    std::vector<std::string> names;
    files.fs().Find(base + pattern, [&](const FindData& entry) {
        const std::uint32_t skip = kAttrDirectory | kAttrHidden | kAttrSystem | kAttrReparsePoint;
        if (!(entry.attributes & skip) &&
            !(!spare.empty() && text::EqualsNoCase(entry.name, spare))) {
            names.push_back(entry.name);
        }
        return true;
    });
    for (const std::string& name : names)
        files.fs().Delete(base + name);
}

}  // namespace cw
