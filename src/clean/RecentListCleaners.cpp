#include "clean/RecentListCleaners.h"

#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"
#include "text/Convert.h"

namespace cw {

namespace s = settings;

namespace {

constexpr int kMaxEntries = 100;

}  // namespace

void RecentListCleaners::ClearWinZipFileMenu() {
    ClearNumberedUntilGap(s::kWinZipFileMenuKey, s::kWinZipFileMenuPrefix);
}

void RecentListCleaners::ClearWinZipExtractMenu() {
    ClearNumberedUntilGap(s::kWinZipExtractKey, s::kWinZipExtractPrefix);
}

void RecentListCleaners::ClearVBRecentFiles() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearVBRecentFiles");
    for (int i = 1; i <= kMaxEntries; ++i) {
        trap([&] {
            settings_.DeleteSettingValue(kHkeyCurrentUser, s::kVbRecentFilesKey, text::ToText(i));
        });
    }
}

void RecentListCleaners::ClearWordPadRecentList() {
    ClearFileList(s::kWordPadRecentKey);
}

void RecentListCleaners::ClearPaintRecentList() {
    ClearFileList(s::kPaintRecentKey);
}

void RecentListCleaners::ClearNumberedUntilGap(const std::string& key, const std::string& prefix) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearNumberedUntilGap");
    for (int i = 1; i <= kMaxEntries; ++i) {
        const std::string name = prefix + text::ToText(i);
        std::string entry;
        trap([&] { entry = settings_.GetSettingString(kHkeyCurrentUser, key, name); });
        trap([&] { settings_.DeleteSettingValue(kHkeyCurrentUser, key, name); });
        if (entry.empty()) break;
    }
}

void RecentListCleaners::ClearFileList(const std::string& key) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearFileList");
    std::string first;
    trap([&] { first = settings_.GetSettingString(kHkeyCurrentUser, key, "File1"); });
    for (int i = 1; i <= kMaxEntries; ++i) {
        trap(
            [&] { settings_.DeleteSettingValue(kHkeyCurrentUser, key, "File" + text::ToText(i)); });
        if (first.empty()) break;
    }
}

}  // namespace cw
