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

void NetscapeCookies(C& c, CleaningPlan& plan) {
    c.s.netscape.PlanNetscapeCookies(plan, KeepList(c));
    plan.afterwards = c.s.loadCookieDomains;
}

}  // namespace

const std::array<CleaningItemRow, 22> kCleaningItems = {{
    {I::RecentDocuments, &P::chkDocuments, "Recent Documents List",
     [](C& c, CleaningPlan& p) { c.shell.PlanRecentDocuments(p); }},
    {I::IEHistory, &P::chkInternetHistory, "IE History",
     [](C& c, CleaningPlan& p) { c.history.PlanIEHistory(p); }},
    {I::RunMenu, &P::chkRunMenu, "Recent Items From Run Menu",
     [](C& c, CleaningPlan& p) { c.explorer.PlanRunMRU(p); }},
    {I::NetscapeHistory, &P::NetScape1, "Netscape Typed Web Address",
     [](C& c, CleaningPlan& p) { c.s.netscape.PlanNetscapeHistory(p); }},
    {I::NetscapeCache, &P::netscape2, "Netscape Cache Folder",
     [](C& c, CleaningPlan& p) { c.s.netscape.PlanNetscapeCache(p); }},
    {I::NetscapeCookies, &P::netscape3, "Netscape Cookies", NetscapeCookies},
    {I::TypedUrls, &P::chkUrls, "IE Typed Web Address",
     [](C& c, CleaningPlan& p) { c.explorer.PlanTypedUrls(p); }},
    {I::TempFolder, &P::chkTemp, "Temp Folder",
     [](C& c, CleaningPlan& p) { c.shell.PlanTempFolder(p); }},
    {I::FindFiles, &P::chkFindFiles, "Find Files History",
     [](C& c, CleaningPlan& p) { c.explorer.PlanFindFilesMRU(p); }},
    {I::FindComputers, &P::chkFindComputers, "Find Computers History",
     [](C& c, CleaningPlan& p) { c.explorer.PlanFindComputersMRU(p); }},
    {I::PrinterPorts, &P::chkPrinterPorts, "Printer Ports",
     [](C& c, CleaningPlan& p) { c.explorer.PlanPrinterPortsMRU(p); }},
    {I::AutoComplete, &P::chkAutoComplete, "Disable AutoComplete",
     [](C& c, CleaningPlan& p) { c.explorer.PlanAutoComplete(p); }},
    {I::RecycleBin, &P::chkRecBin, "Recycle Bin",
     [](C& c, CleaningPlan& p) { c.shell.PlanRecycleBin(p); }},
    {I::WinZipFileMenu, &P::chkWzip1, "WinZip File Menu",
     [](C& c, CleaningPlan& p) { c.lists.PlanWinZipFileMenu(p); }},
    {I::WinZipExtractMenu, &P::chkWzip2, "WinZip Extract To Menu",
     [](C& c, CleaningPlan& p) { c.lists.PlanWinZipExtractMenu(p); }},
    {I::VBRecentFiles, &P::chkVb, "Visual Basic Recent Opened files",
     [](C& c, CleaningPlan& p) { c.lists.PlanVBRecentFiles(p); }},
    {I::WordPadRecentList, &P::chkWordPad, "Word Pad Recent File Menu",
     [](C& c, CleaningPlan& p) { c.lists.PlanWordPadRecentList(p); }},
    {I::IECookies, &P::chkCookies, "IE Cookies",
     [](C& c, CleaningPlan& p) { c.s.cache.PlanIECookies(p, KeepList(c)); }},
    {I::PaintRecentList, &P::chkPbrush, "Paint Brush Recent File Menu",
     [](C& c, CleaningPlan& p) { c.lists.PlanPaintRecentList(p); }},
    {I::MediaPlayerLists, &P::chkMediaPlayer, "Media Player Recent File Menu",
     [](C& c, CleaningPlan& p) { c.mediaPlayer.PlanMediaPlayerLists(p); }},
    {I::IECache, &P::chkIECache, "Temporary Internet Files",
     [](C& c, CleaningPlan& p) { c.s.cache.PlanIECache(p, KeepList(c)); }},
    {I::IndexDat, &P::chkClearIndexDAT, "Index.dat ( requires reboot )",
     [](C& c, CleaningPlan& p) { c.s.cache.PlanIndexDatDeletion(p); }},
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
