// The "Main", "Privacy" and "IE Cache" pages.

#include "app/ControlIds.h"
#include "app/win32/MainLayout.h"
#include "ui/win32/LayoutTable.h"

namespace cw::win32 {

namespace m = ids::frmMain;

void LayoutMainPage(ControlHost& host, MainControls& c, HWND p, const PageArt& art) {
    auto& button = c.browserButton;
    auto& guard = c.favorites;
    auto& panic = c.panic;
    const LayoutRow layout[] = {
        {&c.imgBanner, m::imgBanner, {7, 7, 366, 44}, {.painter = art.banner}},
        {GroupBox{&button.fraIECustom}, m::fraIECustom, {7, 58, 180, 62}},
        {&button.mAddMSIE, m::mAddMSIE, {17, 74, 160, 15}},
        {&button.mDeleteMSIE, m::mDeleteMSIE, {17, 95, 160, 15}},
        {GroupBox{&guard.fraAutoBookmark}, m::fraAutoBookmark, {193, 58, 180, 62}},
        {&guard.lblBlockAutoBookMark, m::lblBlockAutoBookMark, {203, 74, 162, 18}},
        {&guard.cmdEnableAutoBookMark, m::cmdEnableAutoBookMark, {203, 95, 60, 15}},
        {&guard.cmdDisableAutoBookMark, m::cmdDisableAutoBookMark, {269, 95, 60, 15}},
        {&c.lblIEHotkey, m::lblIEHotkey, {12, 124, 356, 28}},
        {GroupBox{&panic.fraPanic}, m::fraPanic, {7, 160, 366, 52}},
        {&panic.lblPanic, m::lblPanic, {17, 177, 270, 20}},
        {&panic.cmdPanic, m::cmdPanic, {301, 175, 62, 22}},
    };
    BindAll(host, layout, p);
}

// The check boxes stand in columns inside their frames, one row every 12 dialog units.
void LayoutPrivacyPage(ControlHost& host, MainControls& c, HWND p) {
    auto& x = c.privacy;
    const LayoutRow layout[] = {
        {GroupBox{&x.fraWipeIE}, m::fraWipeIE, {7, 7, 180, 89}},
        {&x.chkInternetHistory, m::chkInternetHistory, {15, 20, 160, 10}},
        {&x.chkUrls, m::chkUrls, {15, 32, 160, 10}},
        {&x.chkAutoComplete, m::chkAutoComplete, {15, 44, 160, 10}},
        {&x.chkCookies, m::chkCookies, {15, 56, 160, 10}},
        {&x.chkIECache, m::chkIECache, {15, 68, 160, 10}},
        {&x.chkClearIndexDAT, m::chkClearIndexDAT, {15, 80, 160, 10}},
        {GroupBox{&x.fraWipeNetscape}, m::fraWipeNetscape, {7, 102, 180, 53}},
        {&x.NetScape1, m::NetScape1, {15, 115, 160, 10}},
        {&x.netscape2, m::netscape2, {15, 127, 160, 10}},
        {&x.netscape3, m::netscape3, {15, 139, 160, 10}},
        {GroupBox{&x.fraWipeApplications}, m::fraWipeApplications, {193, 7, 180, 89}},
        {&x.chkWzip1, m::chkWzip1, {201, 20, 160, 10}},
        {&x.chkWzip2, m::chkWzip2, {201, 32, 160, 10}},
        {&x.chkVb, m::chkVb, {201, 44, 160, 10}},
        {&x.chkWordPad, m::chkWordPad, {201, 56, 160, 10}},
        {&x.chkPbrush, m::chkPbrush, {201, 68, 160, 10}},
        {&x.chkMediaPlayer, m::chkMediaPlayer, {201, 80, 160, 10}},
        {GroupBox{&x.fraWipeFolders}, m::fraWipeFolders, {193, 102, 180, 101}},
        {&x.chkDocuments, m::chkDocuments, {201, 115, 160, 10}},
        {&x.chkRunMenu, m::chkRunMenu, {201, 127, 160, 10}},
        {&x.chkTemp, m::chkTemp, {201, 139, 160, 10}},
        {&x.chkFindFiles, m::chkFindFiles, {201, 151, 160, 10}},
        {&x.chkFindComputers, m::chkFindComputers, {201, 163, 160, 10}},
        {&x.chkPrinterPorts, m::chkPrinterPorts, {201, 175, 160, 10}},
        {&x.chkRecBin, m::chkRecBin, {201, 187, 160, 10}},
        {&x.cmdSelectAll, m::cmdSelectAll, {7, 164, 56, 15}},
        {&x.cmdDeselectAll, m::cmdDeselectAll, {69, 164, 56, 15}},
        {&x.cmdAnalyze, m::cmdAnalyze, {131, 164, 56, 15}},
        {&x.cmdCleanSelectedItems, m::cmdCleanSelectedItems, {7, 184, 180, 19}},
    };
    BindAll(host, layout, p);
}

void LayoutCachePage(ControlHost& host, MainControls& c, HWND p) {
    auto& cache = c.cache;
    auto& home = c.homePage;
    const LayoutRow layout[] = {
        {GroupBox{&cache.fraCache}, m::fraCache, {7, 7, 366, 158}},
        {&cache.lstCache, m::lstCache, {15, 20, 272, 118}},
        {&cache.lblCacheFiles, m::lblCacheFiles, {15, 143, 272, 10}},
        {&cache.cmdGetCache, m::cmdGetCache, {295, 20, 70, 15}},
        {&cache.cmdDeleteSelected, m::cmdDeleteSelected, {295, 40, 70, 15}},
        {&cache.cmdDeleteAllCache, m::cmdDeleteAllCache, {295, 60, 70, 15}},
        {&cache.cmdDeleteCookies, m::cmdDeleteCookies, {295, 80, 70, 15}},
        {GroupBox{&home.fraIEHomePage}, m::fraIEHomePage, {7, 171, 366, 60}},
        {&home.lblIEHomePage, m::lblIEHomePage, {15, 182, 200, 9}, {.bold = true}},
        {&home.txtHomePageURL, m::txtHomePageURL, {15, 194, 228, 13}},
        {&home.cmdSetHomePage, m::cmdSetHomePage, {249, 193, 55, 15}},
        {&home.cmdUseBlank, m::cmdUseBlank, {310, 193, 55, 15}},
        {&home.chkLockIEHomepage, m::chkLockIEHomepage, {15, 213, 60, 10}},
    };
    BindAll(host, layout, p);
}

}  // namespace cw::win32
