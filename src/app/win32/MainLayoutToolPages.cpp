// The "Netscape", "System Info" and "Shredder" pages.

#include "app/ControlIds.h"
#include "app/win32/MainLayout.h"

namespace cw::win32 {

namespace m = ids::frmMain;

namespace {

Place At(int id, HWND page, int x, int y, int w, int h) {
    return Place{id, page, {x, y, w, h}};
}

// A figure: its caption on the left, its value on the right, one row every 11 units.
void Pair(ControlHost& host, HWND page, ui::LabelPair& pair, int id, int x, int y) {
    BindLabel(host, pair.Caption(), At(ids::Element(id, 0), page, x, y, 94, 9));
    BindLabel(host, pair.Value(), At(ids::Element(id, 1), page, x + 96, y, 68, 9));
}

}  // namespace

void LayoutNetscapePage(ControlHost& host, MainControls& c, HWND p) {
    auto& home = c.homePage;
    BindFrame(host, home.fraNetscapeHomePage, At(m::fraNetscapeHomePage, p, 7, 7, 366, 36));
    BindTextBox(host, home.txtNetscapeHomepage, At(m::txtNetscapeHomepage, p, 15, 20, 250, 13));
    BindButton(host, home.cmdSetNetscapeHomepage,
               At(m::cmdSetNetscapeHomepage, p, 271, 19, 94, 15));

    auto& k = c.cookies;
    BindFrame(host, k.fraCookies, At(m::fraCookies, p, 7, 49, 366, 182));
    BindLabel(host, k.lblDomains, At(m::lblDomains, p, 15, 62, 150, 9));
    BindListBox(host, k.List1, At(m::List1, p, 15, 72, 150, 133));
    BindLabel(host, k.lblOccurrences, At(m::lblOccurrences, p, 170, 62, 52, 9));
    BindListBox(host, k.List2, At(m::List2, p, 170, 72, 52, 133));
    BindButton(host, k.cmdKeep, At(m::cmdKeep, p, 15, 210, 60, 15));
    BindLabel(host, k.Label7, At(m::Label7, p, 230, 62, 80, 9));
    BindButton(host, k.Command3, At(m::Command3, p, 313, 59, 24, 14));
    BindButton(host, k.Command2, At(m::Command2, p, 341, 59, 24, 14));
    BindLabel(host, k.Label11, At(m::Label11, p, 230, 80, 135, 9));
    BindLabel(host, k.lblValue, At(m::lblValue, p, 230, 94, 40, 9));
    BindTextBox(host, k.txtValue, At(m::txtValue, p, 230, 104, 135, 40), {true, false});
    BindLabel(host, k.lblExpires, At(m::lblExpires, p, 230, 150, 40, 9));
    BindTextBox(host, k.txtExp, At(m::txtExp, p, 230, 160, 135, 13));
    BindLabel(host, k.lblPath, At(m::lblPath, p, 230, 178, 40, 9));
    BindTextBox(host, k.txtPath, At(m::txtPath, p, 230, 188, 135, 13));
    BindCheckBox(host, k.chkFlag, At(m::chkFlag, p, 230, 209, 50, 10));
    BindCheckBox(host, k.chkSecure, At(m::chkSecure, p, 285, 209, 50, 10));
}

void LayoutSystemInfoPage(ControlHost& host, MainControls& c, HWND p) {
    auto& s = c.sysInfo;
    BindFrame(host, s.fraProcessor, At(m::fraProcessor, p, 7, 7, 180, 75));
    int y = 20;
    Pair(host, p, s.lblVirtualAlloc, m::lblVirtualAlloc, 15, y);
    Pair(host, p, s.lblLowLoadAddr, m::lblLowLoadAddr, 15, y += 11);
    Pair(host, p, s.lblHighLoadAddr, m::lblHighLoadAddr, 15, y += 11);
    Pair(host, p, s.lblNumProcessors, m::lblNumProcessors, 15, y += 11);
    Pair(host, p, s.lblBlockAddress, m::lblBlockAddress, 15, y += 11);

    BindFrame(host, s.fraWindows, At(m::fraWindows, p, 7, 88, 180, 53));
    y = 101;
    Pair(host, p, s.lblWin, m::lblWin, 15, y);
    Pair(host, p, s.lblWinVer, m::lblWinVer, 15, y += 11);
    Pair(host, p, s.lblWinAdditional, m::lblWinAdditional, 15, y += 11);

    BindFrame(host, s.fraMemory, At(m::fraMemory, p, 193, 7, 180, 117));
    y = 20;
    Pair(host, p, s.lblPhysical, m::lblPhysical, 201, y);
    Pair(host, p, s.lblFreePhysical, m::lblFreePhysical, 201, y += 11);
    Pair(host, p, s.lblUsedPhysical, m::lblUsedPhysical, 201, y += 11);
    Pair(host, p, s.lblVirtual, m::lblVirtual, 201, y += 11);
    Pair(host, p, s.lblFreeVirtual, m::lblFreeVirtual, 201, y += 11);
    Pair(host, p, s.lblUsedVirtual, m::lblUsedVirtual, 201, y += 11);
    Pair(host, p, s.lblSwapFile, m::lblSwapFile, 201, y += 11);
    Pair(host, p, s.lblFreeSwap, m::lblFreeSwap, 201, y += 11);
    Pair(host, p, s.lblUsedSwap, m::lblUsedSwap, 201, y += 11);

    HFONT bold = host.font().Bold();
    BindLabel(host, s.lblOSVerCaption, At(m::lblOSVerCaption, p, 7, 150, 180, 9), bold);
    BindLabel(host, s.lblOSVer, At(m::lblOSVer, p, 7, 161, 366, 9));
    BindLabel(host, s.lblIEVerCaption, At(m::lblIEVerCaption, p, 7, 176, 180, 9), bold);
    BindLabel(host, s.lblIEVer, At(m::lblIEVer, p, 7, 187, 366, 9));
    BindButton(host, s.cmdGetSystemInfo, At(m::cmdGetSystemInfo, p, 293, 132, 80, 16));
}

void LayoutShredderPage(ControlHost& host, MainControls& c, HWND p, const PageArt& art) {
    auto& s = c.shredder;
    BindFrame(host, s.fraFileList, At(m::fraFileList, p, 7, 7, 226, 118));
    BindListBox(host, s.lstFiles, At(m::lstFiles, p, 15, 20, 210, 80));
    BindButton(host, s.cmdFileBrowse, At(m::cmdFileBrowse, p, 15, 104, 60, 15));
    BindButton(host, s.cmdShredClear, At(m::cmdShredClear, p, 80, 104, 60, 15));
    BindImage(host, s.Image8, At(m::Image8, p, 205, 102, 20, 20), art.dropFiles);

    BindFrame(host, s.fraControls, At(m::fraControls, p, 239, 7, 134, 56));
    BindLabel(host, s.lblSecurityLevel, At(m::lblSecurityLevel, p, 247, 21, 118, 9));
    BindComboBox(host, s.cmbOver, At(m::cmbOver, p, 247, 32, 50, 12), 11);
    BindButton(host, s.cmdShredDelete, At(m::cmdShredDelete, p, 305, 31, 60, 15));

    BindFrame(host, s.fraStatus, At(m::fraStatus, p, 239, 67, 134, 58));
    BindProgressBar(host, s.pb1, At(m::pb1, p, 247, 80, 118, 11));
    BindLabel(host, s.lStat, At(m::lStat, p, 247, 96, 118, 9));
    BindLabel(host, s.lFC, At(m::lFC, p, 247, 108, 118, 9));

    BindFrame(host, s.fraSelectedFile, At(m::fraSelectedFile, p, 7, 129, 366, 32));
    BindTextBox(host, s.txtFileName, At(m::txtFileName, p, 15, 142, 350, 13));

    auto& f = c.shredFolder;
    BindFrame(host, f.fraShredFolder, At(m::fraShredFolder, p, 7, 165, 366, 68));
    BindLabel(host, f.lblAboutShredTimer, At(m::lblAboutShredTimer, p, 15, 177, 350, 9));
    BindTextBox(host, f.txtShredFolder, At(m::txtShredFolder, p, 15, 190, 252, 13));
    BindButton(host, f.cmdShredBrowse, At(m::cmdShredBrowse, p, 273, 189, 44, 15));
    BindButton(host, f.cmdShredBlank, At(m::cmdShredBlank, p, 321, 189, 44, 15));
    BindLabel(host, f.lblHour, At(m::lblHour, p, 15, 212, 22, 9));
    BindComboBox(host, f.cmbHour, At(m::cmbHour, p, 38, 210, 34, 12), 10);
    BindLabel(host, f.lblMinute, At(m::lblMinute, p, 80, 212, 30, 9));
    BindComboBox(host, f.cmbMinute, At(m::cmbMinute, p, 112, 210, 34, 12), 6);
    BindButton(host, f.cmdSet, At(m::cmdSet, p, 321, 209, 44, 15));
}

}  // namespace cw::win32
