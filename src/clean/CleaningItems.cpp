#include "clean/CleaningItems.h"

#include "clean/SystemCleaners.h"

namespace cw {

namespace {

using C = CleanerSet;
using P = PrivacyControls;
using I = CleaningItem;

CookieKeepList KeepList(C& c) {
    return CookieKeepList::Load(c.s.settings);
}

CleaningPlan NetscapeCookies(C& c) {
    CleaningPlan plan = c.s.netscape.PlanNetscapeCookies(KeepList(c));
    plan.afterwards = c.s.loadCookieDomains;
    return plan;
}

}  // namespace

const std::array<CleaningItemRow, 22> kCleaningItems = {{
    {I::RecentDocuments, &P::chkDocuments, "Recent Documents List",
     [](C& c) { return c.shell.PlanRecentDocuments(); }},
    {I::IEHistory, &P::chkInternetHistory, "IE History",
     [](C& c) { return c.history.PlanIEHistory(); }},
    {I::RunMenu, &P::chkRunMenu, "Recent Items From Run Menu",
     [](C& c) { return c.explorer.PlanRunMRU(); }},
    {I::NetscapeHistory, &P::NetScape1, "Netscape Typed Web Address",
     [](C& c) { return c.s.netscape.PlanNetscapeHistory(); }},
    {I::NetscapeCache, &P::netscape2, "Netscape Cache Folder",
     [](C& c) { return c.s.netscape.PlanNetscapeCache(); }},
    {I::NetscapeCookies, &P::netscape3, "Netscape Cookies", NetscapeCookies},
    {I::TypedUrls, &P::chkUrls, "IE Typed Web Address",
     [](C& c) { return c.explorer.PlanTypedUrls(); }},
    {I::TempFolder, &P::chkTemp, "Temp Folder", [](C& c) { return c.shell.PlanTempFolder(); }},
    {I::FindFiles, &P::chkFindFiles, "Find Files History",
     [](C& c) { return c.explorer.PlanFindFilesMRU(); }},
    {I::FindComputers, &P::chkFindComputers, "Find Computers History",
     [](C& c) { return c.explorer.PlanFindComputersMRU(); }},
    {I::PrinterPorts, &P::chkPrinterPorts, "Printer Ports",
     [](C& c) { return c.explorer.PlanPrinterPortsMRU(); }},
    {I::AutoComplete, &P::chkAutoComplete, "Disable AutoComplete",
     [](C& c) { return c.explorer.PlanAutoComplete(); }},
    {I::RecycleBin, &P::chkRecBin, "Recycle Bin", [](C& c) { return c.shell.PlanRecycleBin(); }},
    {I::WinZipFileMenu, &P::chkWzip1, "WinZip File Menu",
     [](C& c) { return c.lists.PlanWinZipFileMenu(); }},
    {I::WinZipExtractMenu, &P::chkWzip2, "WinZip Extract To Menu",
     [](C& c) { return c.lists.PlanWinZipExtractMenu(); }},
    {I::VBRecentFiles, &P::chkVb, "Visual Basic Recent Opened files",
     [](C& c) { return c.lists.PlanVBRecentFiles(); }},
    {I::WordPadRecentList, &P::chkWordPad, "Word Pad Recent File Menu",
     [](C& c) { return c.lists.PlanWordPadRecentList(); }},
    {I::IECookies, &P::chkCookies, "IE Cookies",
     [](C& c) { return c.s.cache.PlanIECookies(KeepList(c)); }},
    {I::PaintRecentList, &P::chkPbrush, "Paint Brush Recent File Menu",
     [](C& c) { return c.lists.PlanPaintRecentList(); }},
    {I::MediaPlayerLists, &P::chkMediaPlayer, "Media Player Recent File Menu",
     [](C& c) { return c.mediaPlayer.PlanMediaPlayerLists(); }},
    {I::IECache, &P::chkIECache, "Temporary Internet Files",
     [](C& c) { return c.s.cache.PlanIECache(KeepList(c)); }},
    {I::IndexDat, &P::chkClearIndexDAT, "Index.dat ( requires reboot )",
     [](C& c) { return c.s.cache.PlanIndexDatDeletion(); }},
}};

const CleaningItemRow& RowOf(CleaningItem item) {
    for (const CleaningItemRow& row : kCleaningItems) {
        if (row.item == item) return row;
    }
    return kCleaningItems.front();  // every item has its row
}

std::vector<CleaningItem> TickedItems(PrivacyControls& privacy) {
    std::vector<CleaningItem> items;
    for (const CleaningItemRow& row : kCleaningItems) {
        if (BoxOf(privacy, row).Checked()) items.push_back(row.item);
    }
    return items;
}

ui::CheckBox* BoxByName(PrivacyControls& privacy, const std::string& name) {
    for (const CleaningItemRow& row : kCleaningItems) {
        if (BoxOf(privacy, row).Name() == name) return &BoxOf(privacy, row);
    }
    return nullptr;
}

}  // namespace cw
