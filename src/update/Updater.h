#pragma once
// The update check and download: whether the maker's server has a newer release, fetching
// it into the program's folder as "cwl.exe", and handing over to it. Every request goes
// through one transfer control (the main window's, shared with the error report), one at a
// time, and waits for it while letting window messages through. A download is kept only
// when the maker's signature of it ("/cwlupdate.sig") checks out against the built-in key.

#include <cstdint>
#include <functional>
#include <string>

#include "files/PathGuard.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Internet.h"
#include "platform/Shell.h"
#include "platform/SignatureCheck.h"
#include "report/ConnectionTest.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"

namespace cw::update {

struct UpdaterConfig {
    std::string serverUrl;  // the maker's server, http:// or https://
    // Bound on one request, however slowly its body comes.
    std::uint32_t requestTimeoutMs = 15u * 60u * 1000u;
};

enum class HandOver {
    HandedOver,  // the new release runs and the program was told to end
    Failed,      // no download was accepted, or the new release did not start
    Unverified,  // the download's signature was missing or wrong: nothing saved or started
    Cancelled,   // the user cancelled: nothing was saved or started
};

inline constexpr int kDownloadAttempts = 6;

class Updater {
  public:
    // endProgram ends the process at once, with no shutdown handlers (ExitProcess).
    Updater(ConnectionTest& connection, Transfer& transfer, SettingsStore& settings, FileSystem& fs,
            PathGuard& guard, SignatureCheck& signatures, Shell& shell, Clock& clock,
            ui::Dialogs& dialogs, UpdaterConfig config, std::function<void()> endProgram);

    // Bytes the server announces for the url; 0 when the file is missing or the answer
    // gives no usable size. The body of this request is thrown away.
    std::int32_t RemoteSize(const std::string& url);
    // Whether the server's release is newer than the installed one. A lower server release
    // becomes the installed one ("ver") at once.
    bool CheckForUpdate(const std::string& installed);
    // Fetches the new release and saves it as "cwl.exe" in the program's folder when it is
    // accepted: the size the server announced (less than 11 bytes apart), at least 1001
    // bytes, a Windows executable, the version file's hash when it gives one, and the
    // maker's signature. The signature is saved beside it as "cwl.sig".
    bool DownloadUpdate();
    // Up to six downloads, then the update key for the relay, then "cwl.exe" is started
    // minimised and the program ends. A download whose signature fails ends the attempts:
    // the server does not hold the maker's release.
    HandOver DownloadAndHandOver();

    // Abandons the request the update is waiting for, if any (Cancel, closing the update
    // window). The operation then ends without saving or starting anything.
    void CancelTransfer();
    // An update operation is running (a nested start of another one is refused).
    bool Busy() const { return busy_; }
    // The last operation was ended by CancelTransfer.
    bool Cancelled() const { return cancelled_; }

    // The server's release from the last check that found a difference.
    const std::string& PendingRelease() const { return pendingRelease_; }

  private:
    class Session;
    enum class Download { Saved, Failed, Unverified };
    bool Fetch(const std::string& url);
    bool CheckForUpdateNow(const std::string& installed);
    Download DownloadUpdateNow();
    bool Accept(const std::string& bytes, std::int32_t remoteSize) const;
    bool SaveDownload(const std::string& bytes, const std::string& signature);
    void WriteHandOverState();

    ConnectionTest& connection_;
    Transfer& transfer_;
    SettingsStore& settings_;
    FileSystem& fs_;
    PathGuard& guard_;
    SignatureCheck& signatures_;
    Shell& shell_;
    Clock& clock_;
    ui::Dialogs& dialogs_;
    UpdaterConfig config_;
    std::function<void()> endProgram_;

    bool busy_ = false;
    bool cancelled_ = false;
    std::string pendingRelease_;
    std::string pendingSha256_;
    bool pendingShaMalformed_ = false;
};

// A date and time as the program writes it for the user ("1/15/2024 3:04:05 PM").
std::string FormatGeneralDate(const LocalTime& t);

}  // namespace cw::update
