#pragma once
// The difference of two snapshots (registry dumps, file listings): the lines only in the
// first as "- line", then the lines only in the second as "+ line", each group sorted.

#include <algorithm>
#include <string>
#include <vector>

namespace cw::fakes {

inline std::vector<std::string> SnapshotDiff(std::vector<std::string> before,
                                             std::vector<std::string> after) {
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    std::vector<std::string> removed, added;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                        std::back_inserter(removed));
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(added));
    std::vector<std::string> diff;
    for (const std::string& line : removed)
        diff.push_back("- " + line);
    for (const std::string& line : added)
        diff.push_back("+ " + line);
    return diff;
}

}  // namespace cw::fakes
