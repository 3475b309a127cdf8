#include "update/Updater.h"

#include <cstdlib>

#include "settings/SettingNames.h"
#include "text/Convert.h"
#include "update/ExecutableImage.h"
#include "update/Sha256.h"
#include "update/UpdateFiles.h"
#include "update/UpdateResponses.h"

namespace cw::update {

namespace {

constexpr std::uint32_t kPollMs = 15;
constexpr std::int32_t kMinLastIndex = 1000;
constexpr std::int32_t kSizeTolerance = 11;

bool IsSuccess(int status) {
    return status >= 200 && status <= 299;
}

}  // namespace

// Marks an operation as running and clears an earlier cancellation; refuses to nest.
class Updater::Session {
  public:
    explicit Session(Updater& updater) : updater_(updater), entered_(!updater.busy_) {
        if (!entered_) return;
        updater_.busy_ = true;
        updater_.cancelled_ = false;
    }
    ~Session() {
        if (entered_) updater_.busy_ = false;
    }
    bool Entered() const { return entered_; }

  private:
    Updater& updater_;
    bool entered_;
};

Updater::Updater(ConnectionTest& connection, Transfer& transfer, SettingsStore& settings,
                 FileSystem& fs, PathGuard& guard, SignatureCheck& signatures, Shell& shell,
                 Clock& clock, ui::Dialogs& dialogs, UpdaterConfig config,
                 std::function<void()> endProgram)
    : connection_(connection),
      transfer_(transfer),
      settings_(settings),
      fs_(fs),
      guard_(guard),
      signatures_(signatures),
      shell_(shell),
      clock_(clock),
      dialogs_(dialogs),
      config_(std::move(config)),
      endProgram_(std::move(endProgram)) {}

void Updater::CancelTransfer() {
    if (!busy_) return;  // never abandon someone else's request (an error report)
    cancelled_ = true;
    transfer_.Cancel();
}

// One GET on the shared control, waited for with window messages let through. False when
// it was cancelled, ran too long, or another user of the control took it over meanwhile.
bool Updater::Fetch(const std::string& url) {
    if (cancelled_) return false;
    transfer_.Cancel();
    transfer_.Start(url);
    std::uint32_t started = clock_.TickCount();
    while (transfer_.StillExecuting()) {
        if (clock_.TickCount() - started > config_.requestTimeoutMs) {
            transfer_.Cancel();
            return false;
        }
        dialogs_.DoEvents();
        if (cancelled_) return false;
        clock_.Sleep(kPollMs);
    }
    return !cancelled_ && transfer_.Url() == url;
}

std::int32_t Updater::RemoteSize(const std::string& url) {
    if (!Fetch(url)) return 0;
    return RemoteSizeFromHeaders(transfer_.Headers());
}

bool Updater::CheckForUpdate(const std::string& installed) {
    Session session(*this);
    return session.Entered() && CheckForUpdateNow(installed);
}

bool Updater::CheckForUpdateNow(const std::string& installed) {
    const std::string url = ServerPath(config_.serverUrl, kVersionFilePath);
    if (!connection_.TestConnection()) return false;
    if (RemoteSize(url) <= 0) return false;
    // A failed fetch is no answer at all; it must not read as release 0 and lower "ver".
    if (!Fetch(url) || !IsSuccess(StatusCode(transfer_.Headers()))) return false;
    VersionFile server = ParseVersionFile(transfer_.Body());
    std::int32_t installedRelease = text::ToLong(text::Val(installed));
    pendingSha256_ = server.sha256;
    pendingShaMalformed_ = server.sha256Malformed;
    if (server.release > installedRelease) {
        pendingRelease_ = text::ToText(server.release);
        return true;
    }
    if (server.release < installedRelease) {
        pendingRelease_ = text::ToText(server.release);
        settings_.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey,
                                   settings::kUpdateVer, pendingRelease_);
    }
    return false;
}

bool Updater::DownloadUpdate() {
    Session session(*this);
    return session.Entered() && DownloadUpdateNow() == Download::Saved;
}

Updater::Download Updater::DownloadUpdateNow() {
    const std::string url = ServerPath(config_.serverUrl, kUpdateExePath);
    if (!connection_.TestConnection()) return Download::Failed;
    std::int32_t size = RemoteSize(url);
    if (size <= 0) return Download::Failed;
    if (!Fetch(url) || !IsSuccess(StatusCode(transfer_.Headers()))) return Download::Failed;
    std::string bytes = transfer_.Body();
    if (!Accept(bytes, size)) return Download::Failed;
    // Checked before anything is written: a release the maker did not sign never reaches
    // the program's folder.
    const std::string signatureUrl = ServerPath(config_.serverUrl, kUpdateSignaturePath);
    bool fetched = Fetch(signatureUrl);
    if (cancelled_) return Download::Failed;
    if (!fetched || !IsSuccess(StatusCode(transfer_.Headers()))) return Download::Unverified;
    std::string signature = transfer_.Body();
    if (!signatures_.Verify(bytes, signature)) return Download::Unverified;
    return SaveDownload(bytes, signature) ? Download::Saved : Download::Failed;
}

bool Updater::Accept(const std::string& bytes, std::int32_t remoteSize) const {
    auto lastIndex = static_cast<long long>(bytes.size()) - 1;
    if (lastIndex < kMinLastIndex || std::llabs(lastIndex - remoteSize) >= kSizeTolerance) {
        return false;
    }
    if (!IsWindowsExecutable(bytes) || pendingShaMalformed_) return false;
    return pendingSha256_.empty() || Sha256Hex(bytes) == pendingSha256_;
}

bool Updater::SaveDownload(const std::string& bytes, const std::string& signature) {
    const std::string folder = ProgramFolder(shell_);
    const std::string target = folder + kDownloadName;
    const std::string part = folder + kDownloadPartName;
    const std::string signatureFile = folder + kSignatureName;
    if (!guard_.MayDelete(target) || !guard_.MayDelete(part) || !guard_.MayDelete(signatureFile)) {
        return false;
    }
    if (WriteWholeFile(fs_, part, bytes) != kErrorSuccess) return false;
    // Replaces an earlier "cwl.exe" and its signature.
    if (WriteWholeFile(fs_, signatureFile, signature) != kErrorSuccess ||
        fs_.Move(part, target, kMoveReplaceExisting) != kErrorSuccess) {
        fs_.Delete(part);
        fs_.Delete(signatureFile);
        return false;
    }
    return true;
}

HandOver Updater::DownloadAndHandOver() {
    Session session(*this);
    if (!session.Entered()) return HandOver::Failed;
    Download result = Download::Failed;
    for (int attempt = 0; attempt < kDownloadAttempts && result == Download::Failed && !cancelled_;
         ++attempt) {
        result = DownloadUpdateNow();
    }
    if (cancelled_) return HandOver::Cancelled;
    if (result == Download::Unverified) return HandOver::Unverified;
    if (result != Download::Saved) return HandOver::Failed;
    WriteHandOverState();
    if (!shell_.StartProcess(QuotedCommand(ProgramFolder(shell_) + kDownloadName),
                             kShowMinimizedFocus)) {
        // The relay picks the saved release up at the next start; this copy keeps running.
        return HandOver::Failed;
    }
    endProgram_();
    return HandOver::HandedOver;
}

void Updater::WriteHandOverState() {
    auto set = [&](const char* name, const std::string& value) {
        settings_.SetSettingString(settings::kUpdateRoot, settings::kUpdateKey, name, value);
    };
    set(settings::kUpdateApp, FormatGeneralDate(clock_.Now()));
    set(settings::kUpdateVer, pendingRelease_);
    set(settings::kUpdateUp, "b");
    set(settings::kUpdateDonReq, "z");
}

std::string FormatGeneralDate(const LocalTime& t) {
    auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    return std::to_string(t.month) + "/" + std::to_string(t.day) + "/" + std::to_string(t.year) +
           " " + std::to_string(hour12) + ":" + two(t.minute) + ":" + two(t.second) +
           (t.hour < 12 ? " AM" : " PM");
}

}  // namespace cw::update
