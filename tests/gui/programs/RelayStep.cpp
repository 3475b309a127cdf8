// RelayStep.exe: runs only the update relay's start-up step, as Clearwell.exe's start-up
// does before its main window loads, so that tests can drive the relay's legs with real
// files and processes. Copied under the names "Clearwell.exe" and "cwl.exe" into a folder,
// it logs to relay.log beside itself what each start did:
//   "<name> start Up=<value>", "message <text>", "open <verb> <file>", "<name> end|continue"
// The post-upgrade page is logged, not opened: under Wine that would start a browser of
// the machine the tests run on.

#include <windows.h>

#include <fstream>
#include <string>

#include "BuildConfig.h"
#include "files/PathGuard.h"
#include "files/Paths.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "platform/win32/Win32SignatureCheck.h"
#include "platform/win32/Win32SystemFolders.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "ui/win32/Win32Dialogs.h"
#include "update/UpdateRelay.h"

namespace {

std::string ModulePath() {
    return cw::win32::Win32ShellExecute().ModulePath();
}

void Log(const std::string& line) {
    std::ofstream(cw::AddSlash(cw::FolderPart(ModulePath())) + "relay.log",
                  std::ios::app | std::ios::binary)
        << line << "\r\n";
}

class LoggingShell : public cw::win32::Win32ShellExecute {
  public:
    bool Execute(cw::WindowHandle, const std::string& verb, const std::string& file,
                 const std::string&, const std::string&, int) override {
        Log("open " + verb + " " + file);
        return true;
    }
};

// The program's own message boxes (with no window yet, they come to the front), logged.
class LoggingDialogs : public cw::win32::Win32Dialogs {
  public:
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
        Log("message " + prompt);
        return Win32Dialogs::MsgBox(prompt, buttons, title);
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    cw::win32::Win32Registry registry;
    cw::SettingsStore settings(registry);
    cw::win32::Win32FileSystem fs;
    cw::win32::Win32SystemFolders folders;
    cw::PathGuard guard(folders, fs);
    LoggingShell shell;
    cw::win32::Win32Clock clock;
    LoggingDialogs dialogs;
    cw::win32::Win32SignatureCheck signatures(std::string(std::begin(cw::build::kUpdatePublicKey),
                                                          std::end(cw::build::kUpdatePublicKey)));
    std::string name = cw::FileNamePart(ModulePath());
    Log(name + " start Up=" +
        settings.GetSettingString(cw::settings::kUpdateRoot, cw::settings::kUpdateKey,
                                  cw::settings::kUpdateUp, "(missing)"));
    cw::update::UpdateRelay relay(settings, fs, guard, signatures, shell, clock, dialogs,
                                  {cw::build::kServerUrl, cw::build::kRelayMsPerSecond});
    bool end = relay.ProcessUpdateState();
    Log(name + (end ? " end" : " continue"));
    return 0;
}
