#include "sysinfo/AboutWindow.h"

#include "BuildConfig.h"
#include "errors/ErrorTrap.h"
#include "files/Paths.h"
#include "platform/Desktop.h"
#include "sysinfo/KeyValue.h"

namespace cw {

namespace {

constexpr const char kStartSysInfoTag[] = "frmAbout,StartSysInfo()";

constexpr const char kDescription[] =
    "Clearwell removes the traces that browsing the web and everyday work leave on this "
    "computer: the history, typed addresses, AutoComplete data, cache and cookies of "
    "Internet Explorer, Netscape Navigator and Mozilla, the recent-document, Run and search "
    "lists of Windows and of popular programs, the temporary folder and the Recycle Bin.\r\n"
    "\r\n"
    "Clean by hand, on a schedule, when Windows shuts down, or at once with the Panic Key. "
    "Clearwell also shreds files beyond recovery, keeps your browser's home page and "
    "Favorites as you set them, and hides every browser window at the press of a key.";

// A program path as a command line: quoted, so that a path with blanks cannot start some
// other program named by its first words.
std::string CommandLineOf(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

AboutControls::AboutControls() {
    Text1.SetText(kDescription);
    Label5.SetCaption(build::kMakerWebAddress);
}

AboutWindow::AboutWindow(Registry& registry, FileSystem& fs, Shell& shell, ErrorSink& errors)
    : registry_(registry), fs_(fs), shell_(shell), errors_(errors) {
    c_.cmdOK.onClick = [this] { cmdOK_Click(); };
    c_.cmdSysInfo.onClick = [this] { cmdSysInfo_Click(); };
    c_.Label5.onClick = [this] { Label5_Click(); };
}

void AboutWindow::cmdOK_Click() {
    if (onUnload) onUnload();
}

void AboutWindow::cmdSysInfo_Click() {
    StartSysInfo();
}

// Opens the address with the shell's handler for web addresses; whatever goes wrong is
// ignored.
void AboutWindow::Label5_Click() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] { shell_.Execute(0, "", c_.Label5.Caption(), "", "", kSwShowNormal); });
}

void AboutWindow::StartSysInfo() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, kStartSysInfoTag);
    std::string path;
    trap([&] { path = SysInfoPath(); });
    if (path.empty()) return;
    trap([&] {
        if (!shell_.StartProcess(CommandLineOf(path), kSwShowNormal))
            throw RuntimeError(err::kFileNotFound);
    });
}

std::string AboutWindow::SysInfoPath() {
    KeyValue program = GetKeyValue(registry_, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue);
    if (program.found) return IsFile(program.text) ? program.text : "";
    KeyValue folder =
        GetKeyValue(registry_, kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue);
    if (!folder.found || folder.text.empty()) return "";
    std::string candidate = AddSlash(folder.text) + kSysInfoProgram;
    return IsFile(candidate) ? candidate : "";
}

bool AboutWindow::IsFile(const std::string& path) {
    if (path.empty()) return false;
    std::uint32_t attributes = fs_.GetAttributes(path);
    return attributes != kInvalidAttributes && (attributes & kAttrDirectory) == 0;
}

}  // namespace cw
