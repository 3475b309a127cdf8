// Fills the System Info page and the version labels with the real Win32 services and writes
// every text as "name=value" lines to the file named by the first argument. The tests start
// it after changing Wine's Windows version, which Wine reads when a process starts.

#include <windows.h>

#include <fstream>
#include <string>

#include "platform/win32/Win32OsVersion.h"
#include "platform/win32/Win32SystemInfo.h"
#include "sysinfo/SystemInfoPage.h"

namespace {

struct ListingSink : cw::ErrorSink {
    std::string lines;
    void ReportError(const std::string& tag, const cw::RuntimeError& e) noexcept override {
        lines += "report=" + tag + " " + std::to_string(e.number) + "\r\n";
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    cw::SystemInfoControls c;
    cw::win32::Win32SystemInfo system;
    cw::win32::Win32OsVersion os;
    ListingSink errors;
    cw::SystemInfoPage page(c, system, os, errors);
    page.ShowVersions();
    c.cmdGetSystemInfo.Click();

    std::string out;
    auto add = [&](cw::ui::Label& label) { out += label.Name() + "=" + label.Caption() + "\r\n"; };
    add(c.lblOSVer);
    add(c.lblIEVer);
    for (cw::ui::LabelPair* pair :
         {&c.lblVirtualAlloc, &c.lblLowLoadAddr, &c.lblHighLoadAddr, &c.lblNumProcessors,
          &c.lblBlockAddress, &c.lblPhysical, &c.lblFreePhysical, &c.lblUsedPhysical, &c.lblVirtual,
          &c.lblFreeVirtual, &c.lblUsedVirtual, &c.lblSwapFile, &c.lblFreeSwap, &c.lblUsedSwap,
          &c.lblWin, &c.lblWinVer, &c.lblWinAdditional}) {
        add(pair->Value());
    }
    out += errors.lines;

    std::ofstream file(argv[1], std::ios::binary);
    return file << out << std::flush ? 0 : 1;
}
