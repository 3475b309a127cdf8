#include "update/UpdateRelay.h"

#include "errors/ErrorTrap.h"
#include "files/Paths.h"
#include "settings/SettingNames.h"
#include "text/Ansi.h"
#include "update/UpdateFiles.h"

namespace cw::update {

namespace {
constexpr std::uint32_t kPollMs = 10;
}  // namespace

UpdateRelay::UpdateRelay(SettingsStore& settings, FileSystem& fs, PathGuard& guard,
                         SignatureCheck& signatures, Shell& shell, Clock& clock,
                         ui::Dialogs& dialogs, RelayConfig config)
    : settings_(settings),
      fs_(fs),
      guard_(guard),
      signatures_(signatures),
      shell_(shell),
      clock_(clock),
      dialogs_(dialogs),
      config_(std::move(config)) {}

void UpdateRelay::Wait(int seconds) {
    std::uint32_t started = clock_.TickCount();
    std::uint32_t length = static_cast<std::uint32_t>(seconds) * config_.msPerSecond;
    while (clock_.TickCount() - started < length) {
        dialogs_.DoEvents();
        clock_.Sleep(kPollMs);
    }
}

bool UpdateRelay::ProcessUpdateState() {
    // Nothing of the relay may stop the program from starting.
    ErrorTrap trap(TrapKind::EndSilently, nullptr, "Module,ProcessUpdateState");
    bool endNow = false;
    trap([&] { endNow = Run(); });
    return endNow;
}

bool UpdateRelay::LegPending() {
    std::string up = settings_.GetSettingString(settings::kUpdateRoot, settings::kUpdateKey,
                                                settings::kUpdateUp, "a");
    if (up.empty() || text::ContainsNoCase(up, "a")) return false;
    return text::ContainsNoCase(up, "b") || text::ContainsNoCase(up, "c");
}

bool UpdateRelay::Run() {
    std::string up = settings_.GetSettingString(settings::kUpdateRoot, settings::kUpdateKey,
                                                settings::kUpdateUp, "a");
    if (up.empty() || text::ContainsNoCase(up, "a")) return false;
    const std::string folder = ProgramFolder(shell_);
    if (text::ContainsNoCase(up, "b")) {
        std::string running = FileNamePart(fs_.LongPath(shell_.ModulePath()));
        // The installed program cannot replace its own file: leg 1 is for "cwl.exe".
        if (text::EqualsNoCase(running, kInstalledName)) return HandToDownload(folder);
        return Leg1(folder);
    }
    if (text::ContainsNoCase(up, "c")) Leg2(folder);
    return false;
}

bool UpdateRelay::HandToDownload(const std::string& folder) {
    std::string release;
    if (VerifiedDownload(folder, release)) return Start(folder + kDownloadName);
    SetUp("a");  // nothing, or nothing of the maker's, left to install
    return false;
}

// Reads "cwl.exe" into release; true when "cwl.sig" is the maker's signature of it.
bool UpdateRelay::VerifiedDownload(const std::string& folder, std::string& release) {
    std::string signature;
    return fs_.GetAttributes(folder + kDownloadName) != kInvalidAttributes &&
           ReadWholeFile(fs_, folder + kDownloadName, release) &&
           ReadWholeFile(fs_, folder + kSignatureName, signature) &&
           signatures_.Verify(release, signature);
}

bool UpdateRelay::Leg1(const std::string& folder) {
    std::string release;
    if (!VerifiedDownload(folder, release)) {
        SetUp("a");  // nothing, or nothing of the maker's, left to install
        return false;
    }
    Wait(10);  // the old program is ending
    if (!ReplaceInstalled(folder, release)) return false;
    SetUp("c");
    Wait(4);
    // Should the new program not start, this copy goes on as the program; the next start
    // of "Clearwell.exe" finishes the relay.
    return Start(folder + kInstalledName);
}

// Writes the checked bytes of the release to a temporary name beside "Clearwell.exe", then
// moves them over it, so that a failed write leaves the installed program as it was, and
// what is installed is what was checked, not what "cwl.exe" holds by then. True when
// "Clearwell.exe" is then those bytes.
bool UpdateRelay::ReplaceInstalled(const std::string& folder, const std::string& release) {
    const std::string installed = folder + kInstalledName;
    const std::string part = folder + kInstallPartName;
    if (!guard_.MayDelete(installed) || !guard_.MayDelete(part)) return false;
    bool written = WriteWholeFile(fs_, part, release) == kErrorSuccess;
    Wait(4);
    bool replaced = written && fs_.Move(part, installed, kMoveReplaceExisting) == kErrorSuccess;
    if (!replaced) fs_.Delete(part);
    std::string now;
    return replaced && ReadWholeFile(fs_, installed, now) && now == release;
}

void UpdateRelay::Leg2(const std::string& folder) {
    Wait(5);  // the previous leg's program is ending
    for (const char* name : {kDownloadName, kSignatureName}) {
        const std::string path = folder + name;
        if (fs_.GetAttributes(path) != kInvalidAttributes && guard_.MayDelete(path)) {
            fs_.Delete(path);
        }
    }
    SetUp("a");
    std::string donreq = settings_.GetSettingString(settings::kUpdateRoot, settings::kUpdateKey,
                                                    settings::kUpdateDonReq, "");
    if (!donreq.empty() && !text::ContainsNoCase(donreq, "z")) return;
    // Deleted before the message, so that the upgrade is announced once.
    settings_.DeleteSettingValue(settings::kUpdateRoot, settings::kUpdateKey,
                                 settings::kUpdateDonReq);
    if (donreq.empty()) return;
    dialogs_.MsgBox(kUpgradedMessage, ui::vbOKOnly);
    shell_.Execute(0, "Open", ServerPath(config_.serverUrl, kUpgradePagePath), "", "", kShowNormal);
}

bool UpdateRelay::Start(const std::string& path) {
    return shell_.StartProcess(QuotedCommand(path), kShowMinimizedFocus);
}

void UpdateRelay::SetUp(const std::string& state) {
    settings_.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey, settings::kUpdateUp,
                               state);
}

}  // namespace cw::update
