#pragma once
// Shell folders on every system from Windows 95 on. SHGetFolderPathA is in SHELL32 from
// Windows 2000 and Me on, and in SHFOLDER.DLL where Internet Explorer 5 or a program put it
// there; it is looked up at run time. Without it the folder comes from what older systems
// have: the Windows and system directories, the shell's own folder list
// (SHGetSpecialFolderLocation) and the "Shell Folders" and CurrentVersion registry values.

#include <string>

#include "platform/SystemFolders.h"

namespace cw::win32 {

class Win32SystemFolders : public SystemFolders {
  public:
    bool GetFolderPath(int csidl, std::string& path) override;

    // The way without SHGetFolderPathA, on its own for the tests.
    static bool GetFolderPathWithoutShFolder(int csidl, std::string& path);
};

}  // namespace cw::win32
