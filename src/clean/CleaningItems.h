#pragma once
// The 22 cleaning items in the order the cleaning run takes them (and Select All sets their
// boxes): per item its identity, its check box on the "Privacy" page, its name in the
// analysis, and the cleaner that works out its plan.

#include <array>
#include <string>
#include <vector>

#include "clean/PrivacyControls.h"

namespace cw {

// An item's identity, whatever its caption says.
enum class CleaningItem {
    RecentDocuments,
    IEHistory,
    RunMenu,
    NetscapeHistory,
    NetscapeCache,
    NetscapeCookies,
    TypedUrls,
    TempFolder,
    FindFiles,
    FindComputers,
    PrinterPorts,
    AutoComplete,
    RecycleBin,
    WinZipFileMenu,
    WinZipExtractMenu,
    VBRecentFiles,
    WordPadRecentList,
    IECookies,
    PaintRecentList,
    MediaPlayerLists,
    IECache,
    IndexDat,
};

struct CleaningPlan;
struct CleanerSet;

struct CleaningItemRow {
    CleaningItem item;
    ui::CheckBox PrivacyControls::*box;
    const char* label;  // the item's row in the analysis
    // Works out the targets into the plan; changes nothing unless the plan is carried out
    // as it is planned.
    void (*plan)(CleanerSet& set, CleaningPlan& plan);
};

// In run order.
extern const std::array<CleaningItemRow, 22> kCleaningItems;

const CleaningItemRow& RowOf(CleaningItem item);

inline ui::CheckBox& BoxOf(PrivacyControls& privacy, const CleaningItemRow& row) {
    return privacy.*row.box;
}
// The items whose boxes are ticked, in run order.
std::vector<CleaningItem> TickedItems(PrivacyControls& privacy);
// The box whose name is given (names are the settings' value names); null if none.
ui::CheckBox* BoxByName(PrivacyControls& privacy, const std::string& name);

}  // namespace cw
