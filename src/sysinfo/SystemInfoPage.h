#pragma once
// The "System Info" page of the main window: the Processor, Memory and Windows groups that
// cmdGetSystemInfo fills, and the Windows edition and browser version texts of the labels
// lblOSVer and lblIEVer.

#include <string>

#include "errors/ErrorSink.h"
#include "platform/OsVersion.h"
#include "platform/SystemInfo.h"
#include "sysinfo/SystemInfoControls.h"

namespace cw {

class SystemInfoPage {
  public:
    // Connects cmdGetSystemInfo to its handler.
    SystemInfoPage(SystemInfoControls& controls, SystemInfo& system, OsVersion& os,
                   ErrorSink& errors);

    // Fills the 17 value labels, group by group, with figures read now.
    void cmdGetSystemInfo_Click();

    // The Windows edition ("Windows XP Professional", ...), empty when it is not one the
    // program knows or the version cannot be read.
    std::string GetOSVer();
    // The shell utility library's major and minor version ("6.0"), standing for the Internet
    // Explorer version; "0.0" when the library cannot tell.
    std::string GetIeVer();
    // lblOSVer and lblIEVer, as the main window sets them at load.
    void ShowVersions();

  private:
    void ShowProcessor();
    void ShowMemory();
    void ShowWindows();

    SystemInfoControls& c_;
    SystemInfo& system_;
    OsVersion& os_;
    ErrorSink& errors_;
};

}  // namespace cw
