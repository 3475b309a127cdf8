// The "Netscape", "System Info" and "Shredder" pages.

#include <initializer_list>
#include <vector>

#include "app/ControlIds.h"
#include "app/win32/MainLayout.h"
#include "ui/win32/LayoutTable.h"

namespace cw::win32 {

namespace m = ids::frmMain;

namespace {

// A figure of the System Info page: its caption and value labels share one ID's elements.
struct Figure {
    ui::LabelPair* pair;
    int id;
};

// Adds a column of figures: the caption on the left, the value on the right, one row every
// 11 units.
void AddFigures(std::vector<LayoutRow>& rows, int x, int y, std::initializer_list<Figure> figures) {
    for (const Figure& f : figures) {
        rows.push_back({&f.pair->Caption(), ids::Element(f.id, 0), {x, y, 94, 9}});
        rows.push_back({&f.pair->Value(), ids::Element(f.id, 1), {x + 96, y, 68, 9}});
        y += 11;
    }
}

}  // namespace

void LayoutNetscapePage(ControlHost& host, MainControls& c, HWND p) {
    auto& home = c.homePage;
    auto& k = c.cookies;
    const LayoutRow layout[] = {
        {GroupBox{&home.fraNetscapeHomePage}, m::fraNetscapeHomePage, {7, 7, 366, 36}},
        {&home.txtNetscapeHomepage, m::txtNetscapeHomepage, {15, 20, 250, 13}},
        {&home.cmdSetNetscapeHomepage, m::cmdSetNetscapeHomepage, {271, 19, 94, 15}},
        {GroupBox{&k.fraCookies}, m::fraCookies, {7, 49, 366, 182}},
        {&k.lblDomains, m::lblDomains, {15, 62, 150, 9}},
        {&k.List1, m::List1, {15, 72, 150, 133}},
        {&k.lblOccurrences, m::lblOccurrences, {170, 62, 52, 9}},
        {&k.List2, m::List2, {170, 72, 52, 133}},
        {&k.cmdKeep, m::cmdKeep, {15, 210, 60, 15}},
        {&k.Label7, m::Label7, {230, 62, 80, 9}},
        {&k.Command3, m::Command3, {313, 59, 24, 14}},
        {&k.Command2, m::Command2, {341, 59, 24, 14}},
        {&k.Label11, m::Label11, {230, 80, 135, 9}},
        {&k.lblValue, m::lblValue, {230, 94, 40, 9}},
        {&k.txtValue, m::txtValue, {230, 104, 135, 40}, {.text = {.multiline = true}}},
        {&k.lblExpires, m::lblExpires, {230, 150, 40, 9}},
        {&k.txtExp, m::txtExp, {230, 160, 135, 13}},
        {&k.lblPath, m::lblPath, {230, 178, 40, 9}},
        {&k.txtPath, m::txtPath, {230, 188, 135, 13}},
        {&k.chkFlag, m::chkFlag, {230, 209, 50, 10}},
        {&k.chkSecure, m::chkSecure, {285, 209, 50, 10}},
    };
    BindAll(host, layout, p);
}

void LayoutSystemInfoPage(ControlHost& host, MainControls& c, HWND p) {
    auto& s = c.sysInfo;
    std::vector<LayoutRow> layout{{GroupBox{&s.fraProcessor}, m::fraProcessor, {7, 7, 180, 75}}};
    AddFigures(layout, 15, 20,
               {{&s.lblVirtualAlloc, m::lblVirtualAlloc},
                {&s.lblLowLoadAddr, m::lblLowLoadAddr},
                {&s.lblHighLoadAddr, m::lblHighLoadAddr},
                {&s.lblNumProcessors, m::lblNumProcessors},
                {&s.lblBlockAddress, m::lblBlockAddress}});
    layout.push_back({GroupBox{&s.fraWindows}, m::fraWindows, {7, 88, 180, 53}});
    AddFigures(layout, 15, 101,
               {{&s.lblWin, m::lblWin},
                {&s.lblWinVer, m::lblWinVer},
                {&s.lblWinAdditional, m::lblWinAdditional}});
    layout.push_back({GroupBox{&s.fraMemory}, m::fraMemory, {193, 7, 180, 117}});
    AddFigures(layout, 201, 20,
               {{&s.lblPhysical, m::lblPhysical},
                {&s.lblFreePhysical, m::lblFreePhysical},
                {&s.lblUsedPhysical, m::lblUsedPhysical},
                {&s.lblVirtual, m::lblVirtual},
                {&s.lblFreeVirtual, m::lblFreeVirtual},
                {&s.lblUsedVirtual, m::lblUsedVirtual},
                {&s.lblSwapFile, m::lblSwapFile},
                {&s.lblFreeSwap, m::lblFreeSwap},
                {&s.lblUsedSwap, m::lblUsedSwap}});
    layout.insert(layout.end(),
                  {
                      {&s.lblOSVerCaption, m::lblOSVerCaption, {7, 150, 180, 9}, {.bold = true}},
                      {&s.lblOSVer, m::lblOSVer, {7, 161, 366, 9}},
                      {&s.lblIEVerCaption, m::lblIEVerCaption, {7, 176, 180, 9}, {.bold = true}},
                      {&s.lblIEVer, m::lblIEVer, {7, 187, 366, 9}},
                      {&s.cmdGetSystemInfo, m::cmdGetSystemInfo, {293, 132, 80, 16}},
                  });
    BindAll(host, layout, p);
}

void LayoutShredderPage(ControlHost& host, MainControls& c, HWND p, const PageArt& art) {
    auto& s = c.shredder;
    auto& f = c.shredFolder;
    const LayoutRow layout[] = {
        {GroupBox{&s.fraFileList}, m::fraFileList, {7, 7, 226, 118}},
        {&s.lstFiles, m::lstFiles, {15, 20, 210, 80}},
        {&s.cmdFileBrowse, m::cmdFileBrowse, {15, 104, 60, 15}},
        {&s.cmdShredClear, m::cmdShredClear, {80, 104, 60, 15}},
        {&s.Image8, m::Image8, {205, 102, 20, 20}, {.icon = art.dropFiles}},
        {GroupBox{&s.fraControls}, m::fraControls, {239, 7, 134, 56}},
        {&s.lblSecurityLevel, m::lblSecurityLevel, {247, 21, 118, 9}},
        {&s.cmbOver, m::cmbOver, {247, 32, 50, 12}, {.dropRows = 11}},
        {&s.cmdShredDelete, m::cmdShredDelete, {305, 31, 60, 15}},
        {GroupBox{&s.fraStatus}, m::fraStatus, {239, 67, 134, 58}},
        {&s.pb1, m::pb1, {247, 80, 118, 11}},
        {&s.lStat, m::lStat, {247, 96, 118, 9}},
        {&s.lFC, m::lFC, {247, 108, 118, 9}},
        {GroupBox{&s.fraSelectedFile}, m::fraSelectedFile, {7, 129, 366, 32}},
        {&s.txtFileName, m::txtFileName, {15, 142, 350, 13}},
        {GroupBox{&f.fraShredFolder}, m::fraShredFolder, {7, 165, 366, 68}},
        {&f.lblAboutShredTimer, m::lblAboutShredTimer, {15, 177, 350, 9}},
        {&f.txtShredFolder, m::txtShredFolder, {15, 190, 252, 13}},
        {&f.cmdShredBrowse, m::cmdShredBrowse, {273, 189, 44, 15}},
        {&f.cmdShredBlank, m::cmdShredBlank, {321, 189, 44, 15}},
        {&f.lblHour, m::lblHour, {15, 212, 22, 9}},
        {&f.cmbHour, m::cmbHour, {38, 210, 34, 12}, {.dropRows = 10}},
        {&f.lblMinute, m::lblMinute, {80, 212, 30, 9}},
        {&f.cmbMinute, m::cmbMinute, {112, 210, 34, 12}, {.dropRows = 6}},
        {&f.cmdSet, m::cmdSet, {321, 209, 44, 15}},
    };
    BindAll(host, layout, p);
}

}  // namespace cw::win32
