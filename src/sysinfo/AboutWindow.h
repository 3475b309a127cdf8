#pragma once
// The About window frmAbout: what the program is, the maker's web address, and a button
// that starts the Windows System Information program.

#include <string>

#include "errors/ErrorSink.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "ui/Controls.h"

namespace cw {

inline constexpr const char kAboutCaption[] = "About Clearwell";

// Where Windows records the System Information program.
inline constexpr const char kSysInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char kSysInfoValue[] = "PATH";
inline constexpr const char kSysInfoLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char kSysInfoLocationValue[] = "MSINFO";
inline constexpr const char kSysInfoProgram[] = "MSINFO32.EXE";

struct AboutControls {
    AboutControls();

    ui::TextBox Text1{"Text1"};  // the program's description: multi-line, read-only
    ui::Button cmdOK{"cmdOK", "OK"};
    ui::Button cmdSysInfo{"cmdSysInfo", "&System Info..."};
    ui::Image Image1{"Image1"};  // the program's icon
    ui::Label Label5{"Label5"};  // the maker's web address, opened when clicked
};

class AboutWindow {
  public:
    // Connects the buttons and the address label to their handlers.
    AboutWindow(Registry& registry, FileSystem& fs, Shell& shell, ErrorSink& errors);
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    const char* Caption() const { return kAboutCaption; }
    AboutControls& Controls() { return c_; }

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label5_Click();

    // Starts the System Information program in a normal window and returns at once; does
    // nothing, and shows nothing, when Windows does not record where it is or it is not
    // there.
    void StartSysInfo();
    // The program's full path as Windows records it, empty when it cannot be found.
    std::string SysInfoPath();

    // The view closes the window when this is raised.
    ui::Event onUnload;

  private:
    bool IsFile(const std::string& path);

    AboutControls c_;
    Registry& registry_;
    FileSystem& fs_;
    Shell& shell_;
    ErrorSink& errors_;
};

}  // namespace cw
