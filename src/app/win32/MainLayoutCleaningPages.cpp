// The "Main", "Privacy" and "IE Cache" pages.

#include <vector>

#include "app/ControlIds.h"
#include "app/win32/MainLayout.h"

namespace cw::win32 {

namespace m = ids::frmMain;

namespace {

Place At(int id, HWND page, int x, int y, int w, int h) {
    return Place{id, page, {x, y, w, h}};
}

// A column of check boxes inside a frame, one row every 12 dialog units.
void BoxColumn(ControlHost& host, HWND page, int x, int y,
               const std::vector<std::pair<ui::CheckBox*, int>>& boxes) {
    for (const auto& [box, id] : boxes) {
        BindCheckBox(host, *box, At(id, page, x, y, 160, 10));
        y += 12;
    }
}

}  // namespace

void LayoutMainPage(ControlHost& host, MainControls& c, HWND p, const PageArt& art) {
    BindPicture(host, c.imgBanner, At(m::imgBanner, p, 7, 7, 366, 44), art.banner);

    auto& button = c.browserButton;
    BindFrame(host, button.fraIECustom, At(m::fraIECustom, p, 7, 58, 180, 62));
    BindButton(host, button.mAddMSIE, At(m::mAddMSIE, p, 17, 74, 160, 15));
    BindButton(host, button.mDeleteMSIE, At(m::mDeleteMSIE, p, 17, 95, 160, 15));

    auto& guard = c.favorites;
    BindFrame(host, guard.fraAutoBookmark, At(m::fraAutoBookmark, p, 193, 58, 180, 62));
    BindLabel(host, guard.lblBlockAutoBookMark, At(m::lblBlockAutoBookMark, p, 203, 74, 162, 18));
    BindButton(host, guard.cmdEnableAutoBookMark, At(m::cmdEnableAutoBookMark, p, 203, 95, 60, 15));
    BindButton(host, guard.cmdDisableAutoBookMark,
               At(m::cmdDisableAutoBookMark, p, 269, 95, 60, 15));

    BindLabel(host, c.lblIEHotkey, At(m::lblIEHotkey, p, 12, 124, 356, 28));

    auto& panic = c.panic;
    BindFrame(host, panic.fraPanic, At(m::fraPanic, p, 7, 160, 366, 52));
    BindLabel(host, panic.lblPanic, At(m::lblPanic, p, 17, 177, 270, 20));
    BindButton(host, panic.cmdPanic, At(m::cmdPanic, p, 301, 175, 62, 22));
}

void LayoutPrivacyPage(ControlHost& host, MainControls& c, HWND p) {
    auto& x = c.privacy;
    BindFrame(host, x.fraWipeIE, At(m::fraWipeIE, p, 7, 7, 180, 89));
    BoxColumn(host, p, 15, 20,
              {{&x.chkInternetHistory, m::chkInternetHistory},
               {&x.chkUrls, m::chkUrls},
               {&x.chkAutoComplete, m::chkAutoComplete},
               {&x.chkCookies, m::chkCookies},
               {&x.chkIECache, m::chkIECache},
               {&x.chkClearIndexDAT, m::chkClearIndexDAT}});
    BindFrame(host, x.fraWipeNetscape, At(m::fraWipeNetscape, p, 7, 102, 180, 53));
    BoxColumn(
        host, p, 15, 115,
        {{&x.NetScape1, m::NetScape1}, {&x.netscape2, m::netscape2}, {&x.netscape3, m::netscape3}});

    BindFrame(host, x.fraWipeApplications, At(m::fraWipeApplications, p, 193, 7, 180, 89));
    BoxColumn(host, p, 201, 20,
              {{&x.chkWzip1, m::chkWzip1},
               {&x.chkWzip2, m::chkWzip2},
               {&x.chkVb, m::chkVb},
               {&x.chkWordPad, m::chkWordPad},
               {&x.chkPbrush, m::chkPbrush},
               {&x.chkMediaPlayer, m::chkMediaPlayer}});
    BindFrame(host, x.fraWipeFolders, At(m::fraWipeFolders, p, 193, 102, 180, 101));
    BoxColumn(host, p, 201, 115,
              {{&x.chkDocuments, m::chkDocuments},
               {&x.chkRunMenu, m::chkRunMenu},
               {&x.chkTemp, m::chkTemp},
               {&x.chkFindFiles, m::chkFindFiles},
               {&x.chkFindComputers, m::chkFindComputers},
               {&x.chkPrinterPorts, m::chkPrinterPorts},
               {&x.chkRecBin, m::chkRecBin}});

    BindButton(host, x.cmdSelectAll, At(m::cmdSelectAll, p, 7, 164, 56, 15));
    BindButton(host, x.cmdDeselectAll, At(m::cmdDeselectAll, p, 69, 164, 56, 15));
    BindButton(host, x.cmdAnalyze, At(m::cmdAnalyze, p, 131, 164, 56, 15));
    BindButton(host, x.cmdCleanSelectedItems, At(m::cmdCleanSelectedItems, p, 7, 184, 180, 19));
}

void LayoutCachePage(ControlHost& host, MainControls& c, HWND p) {
    auto& cache = c.cache;
    BindFrame(host, cache.fraCache, At(m::fraCache, p, 7, 7, 366, 158));
    BindListBox(host, cache.lstCache, At(m::lstCache, p, 15, 20, 272, 118));
    BindLabel(host, cache.lblCacheFiles, At(m::lblCacheFiles, p, 15, 143, 272, 10));
    BindButton(host, cache.cmdGetCache, At(m::cmdGetCache, p, 295, 20, 70, 15));
    BindButton(host, cache.cmdDeleteSelected, At(m::cmdDeleteSelected, p, 295, 40, 70, 15));
    BindButton(host, cache.cmdDeleteAllCache, At(m::cmdDeleteAllCache, p, 295, 60, 70, 15));
    BindButton(host, cache.cmdDeleteCookies, At(m::cmdDeleteCookies, p, 295, 80, 70, 15));

    auto& home = c.homePage;
    BindFrame(host, home.fraIEHomePage, At(m::fraIEHomePage, p, 7, 171, 366, 60));
    BindLabel(host, home.lblIEHomePage, At(m::lblIEHomePage, p, 15, 182, 200, 9),
              host.font().Bold());
    BindTextBox(host, home.txtHomePageURL, At(m::txtHomePageURL, p, 15, 194, 228, 13));
    BindButton(host, home.cmdSetHomePage, At(m::cmdSetHomePage, p, 249, 193, 55, 15));
    BindButton(host, home.cmdUseBlank, At(m::cmdUseBlank, p, 310, 193, 55, 15));
    BindCheckBox(host, home.chkLockIEHomepage, At(m::chkLockIEHomepage, p, 15, 213, 60, 10));
}

}  // namespace cw::win32
