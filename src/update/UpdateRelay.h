#pragma once
// The executable replacement relay, run once at every start after the single-instance
// check and before the main window loads. A running program cannot overwrite its own file,
// so a downloaded release takes the installed one's place over three starts, and the
// progress lives in the update key's "Up":
//
//   0  old "Clearwell.exe" saves "cwl.exe" and its signature "cwl.sig", writes "Up" = "b"
//      and "donreq" = "z", starts "cwl.exe" and ends (Updater::DownloadAndHandOver).
//   1  "cwl.exe", "Up" holding "b": reads its own file, checks it against "cwl.sig", writes
//      those bytes to a temporary name in the program's folder, moves that over
//      "Clearwell.exe", and when "Clearwell.exe" is then the same bytes, writes "Up" = "c",
//      starts "Clearwell.exe" and ends. When the replacement failed, "Up" stays "b" and
//      this start goes on as the program.
//   2  new "Clearwell.exe", "Up" holding "c": deletes "cwl.exe" and "cwl.sig", writes
//      "Up" = "a", and thanks the user once ("donreq").
//
// "Up" holding "b" in "Clearwell.exe" itself (the relay was interrupted before leg 1) starts
// "cwl.exe" to run leg 1, or, with no "cwl.exe" left, ends the relay.
//
// Only a "cwl.exe" that carries the maker's signature is ever started or copied: one that
// does not (put there by something else, or changed since the download) ends the relay
// ("Up" = "a") and is left where it is, neither run nor deleted.

#include <cstdint>
#include <string>

#include "files/PathGuard.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/SignatureCheck.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"

namespace cw::update {

inline constexpr const char kUpgradedMessage[] = "Clearwell Upgraded. Thank you";

struct RelayConfig {
    std::string serverUrl;  // the post-upgrade page is on it
    // Milliseconds per second of the waits (10, 4, 4 and 5 seconds); 1000 in a release.
    std::uint32_t msPerSecond = 1000;
};

class UpdateRelay {
  public:
    UpdateRelay(SettingsStore& settings, FileSystem& fs, PathGuard& guard,
                SignatureCheck& signatures, Shell& shell, Clock& clock, ui::Dialogs& dialogs,
                RelayConfig config);

    // Runs the next leg of the relay. True when this process must end now (it started the
    // next one); false when start-up goes on.
    bool ProcessUpdateState();
    // Whether this start has a leg of the relay to run: "Up" names leg 1 or leg 2, so the
    // program that started this one may still be ending.
    bool LegPending();

    // Lets window messages through for the seconds (scaled by msPerSecond).
    void Wait(int seconds);

  private:
    bool Run();
    bool HandToDownload(const std::string& folder);
    bool Leg1(const std::string& folder);
    void Leg2(const std::string& folder);
    bool VerifiedDownload(const std::string& folder, std::string& release);
    bool ReplaceInstalled(const std::string& folder, const std::string& release);
    bool Start(const std::string& path);
    void SetUp(const std::string& state);

    SettingsStore& settings_;
    FileSystem& fs_;
    PathGuard& guard_;
    SignatureCheck& signatures_;
    Shell& shell_;
    Clock& clock_;
    ui::Dialogs& dialogs_;
    RelayConfig config_;
};

}  // namespace cw::update
