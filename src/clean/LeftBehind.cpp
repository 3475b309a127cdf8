#include "clean/LeftBehind.h"

#include <algorithm>
#include <vector>

#include "settings/SettingNames.h"

namespace cw {

namespace s = settings;

namespace {

constexpr const char kInUseName[] = "UnreportedLeftInUse";
constexpr const char kLinksName[] = "UnreportedLeftLinks";
constexpr const char kRefusedName[] = "UnreportedLeftRefused";

std::string Count(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string DescribeLeftBehind(const LeftCounts& left) {
    if (left.Total() <= 0) return "";
    std::vector<std::string> reasons;
    if (left.inUse > 0) reasons.push_back(std::to_string(left.inUse) + " in use");
    if (left.links > 0) reasons.push_back(Count(left.links, "link", "links"));
    if (left.refused > 0) reasons.push_back(std::to_string(left.refused) + " refused");
    std::string text = Count(left.Total(), "item", "items") + " could not be removed: ";
    for (std::size_t i = 0; i < reasons.size(); ++i)
        text += (i ? ", " : "") + reasons[i];
    return text + ".";
}

void StoreUnreportedLeftBehind(SettingsStore& settings, const LeftCounts& left) {
    if (left.Total() <= 0) return;
    auto add = [&](const char* name, int n) {
        if (n <= 0) return;
        std::int32_t stored = settings.GetSettingLong(s::kSettingsRoot, s::kSettingsKey, name, 0);
        settings.SetSettingLong(s::kSettingsRoot, s::kSettingsKey, name, std::max(stored, 0) + n);
    };
    add(kInUseName, left.inUse);
    add(kLinksName, left.links);
    add(kRefusedName, left.refused);
}

LeftCounts TakeUnreportedLeftBehind(SettingsStore& settings) {
    LeftCounts left;
    auto take = [&](const char* name, int& n) {
        std::int32_t stored = settings.GetSettingLong(s::kSettingsRoot, s::kSettingsKey, name, 0);
        if (stored == 0) return;
        n = std::max(stored, 0);
        settings.DeleteSettingValue(s::kSettingsRoot, s::kSettingsKey, name);
    };
    take(kInUseName, left.inUse);
    take(kLinksName, left.links);
    take(kRefusedName, left.refused);
    return left;
}

}  // namespace cw
