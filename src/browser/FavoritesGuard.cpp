#include "browser/FavoritesGuard.h"

#include <vector>

#include "errors/ErrorTrap.h"
#include "errors/RuntimeError.h"
#include "files/Paths.h"
#include "text/Convert.h"

namespace cw {

namespace {

constexpr char kEnableTag[] = "frmMain,cmdEnableAutoBookMark_Click";
constexpr char kDisableTag[] = "frmMain,cmdDisableAutoBookMark_Click";
constexpr char kWatchCreateTag[] = "frmMain,WatchCreate";
constexpr char kWatchDeleteTag[] = "frmMain,WatchDelete";
constexpr char kWatchDirectoryTag[] = "frmMain,WatchDirectory";
constexpr char kWatchResumeTag[] = "frmMain,WatchResume";
constexpr char kWatchChangeActionTag[] = "frmMain,WatchChangeAction";
constexpr char kDelNewFilesTag[] = "frmMain,delnewFiles";

// A file counts as new when it was created in the same clock minute as the guard's start
// or later.
constexpr std::int16_t kNewFileMinutes = 1;

long long MinuteSerial(const LocalTime& t) {
    return text::DaysFromCivil(t.year, t.month, t.day) * 1440 + t.hour * 60LL + t.minute;
}

}  // namespace

long long MinutesBetween(const LocalTime& from, const LocalTime& to) {
    return MinuteSerial(to) - MinuteSerial(from);
}

FavoritesGuard::FavoritesGuard(FavoritesGuardControls& controls, ShellFolders& folders,
                               FileRoutines& files, ChangeWatch& changes, Clock& clock,
                               ErrorSink& errors)
    : c_(controls),
      folders_(folders),
      files_(files),
      changes_(changes),
      clock_(clock),
      errors_(&errors) {
    c_.cmdEnableAutoBookMark.onClick = [this] { cmdEnableAutoBookMark_Click(); };
    c_.cmdDisableAutoBookMark.onClick = [this] { cmdDisableAutoBookMark_Click(); };
    c_.timFavoritesWatch.onTimer = [this] { timFavoritesWatch_Timer(); };
    c_.timFavoritesWatch.SetEnabled(false);
}

void FavoritesGuard::cmdEnableAutoBookMark_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kEnableTag);
    trap([&] { ShowGuarding(true); });
    trap([&] { StopWatching(); });  // a guard that is already on starts over
    trap([&] { startTime_ = clock_.Now(); });
    trap([&] { folder_ = folders_.GetFavoritesFolder(); });
    trap([&] { stopped_ = false; });
    // The watch comes before the first pass, so a file saved while the pass runs is seen at
    // the next tick; the pass's own deletions only cause one more, empty pass.
    trap([&] { watch_ = WatchCreate(folder_, kFavoritesWatchFilter); });
    // A folder that cannot be watched (none known, or missing) leaves the guard off, and
    // its buttons say so: a guard that would never see a change does not claim to run.
    if (!watch_) {
        trap([&] { GiveUp(); });
        return;
    }
    trap([&] { WatchChangeAction(folder_); });
    trap([&] { c_.timFavoritesWatch.SetEnabled(!stopped_ && watch_ != nullptr); });
}

void FavoritesGuard::cmdDisableAutoBookMark_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kDisableTag);
    trap([&] { ShowGuarding(false); });
    trap([&] { WatchDelete(); });
}

void FavoritesGuard::WatchDelete() {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kWatchDeleteTag);
    trap([&] { stopped_ = true; });
    trap([&] { StopWatching(); });
}

void FavoritesGuard::ShowGuarding(bool on) {
    c_.cmdEnableAutoBookMark.SetEnabled(!on);
    c_.cmdDisableAutoBookMark.SetEnabled(on);
}

void FavoritesGuard::StopWatching() {
    c_.timFavoritesWatch.SetEnabled(false);
    watch_.reset();
}

std::unique_ptr<FolderWatch> FavoritesGuard::WatchCreate(const std::string& path,
                                                         std::uint32_t filter) {
    std::unique_ptr<FolderWatch> watch;
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kWatchCreateTag);
    // A folder that cannot be watched (none known, or missing) gives no watch.
    trap([&] { changes_.Watch(path, filter, watch); });
    return watch;
}

std::uint32_t FavoritesGuard::WatchDirectory() {
    std::uint32_t result = kWaitFailed;
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kWatchDirectoryTag);
    trap([&] {
        result = watch_->Poll();
        if (result == kWaitFailed) ThrowIfFailed(kErrorInvalidHandle);
    });
    return result;
}

bool FavoritesGuard::WatchResume() {
    bool resumed = false;
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kWatchResumeTag);
    trap([&] {
        ThrowIfFailed(watch_->Resume());
        resumed = true;
    });
    return resumed;
}

// One tick: a look at the notification that does not wait. On a change the watch is re-armed
// first and the folder examined after, so a change made while the pass runs is not lost. A
// watch that fails is reported once and dropped instead of being reported every tick; the
// guard is off then, and its buttons show it.
void FavoritesGuard::timFavoritesWatch_Timer() {
    // An error report may let messages through; a tick arriving then waits for the next.
    if (inTick_ || stopped_ || !watch_) return;
    inTick_ = true;
    FolderWatch* watch = watch_.get();
    std::uint32_t result = WatchDirectory();
    if (result == kWaitSignalled) {
        bool resumed = WatchResume();
        if (!stopped_) WatchChangeAction(folder_);  // a report may have let Disable in
        if (!resumed && watch_.get() == watch) GiveUp();
    } else if (result != kWaitTimeout && watch_.get() == watch) {
        GiveUp();
    }
    inTick_ = false;
}

void FavoritesGuard::GiveUp() {
    WatchDelete();
    ShowGuarding(false);
}

void FavoritesGuard::WatchChangeAction(const std::string& path) {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kWatchChangeActionTag);
    trap([&] { delNewFiles(kNewFileMinutes, path); });
}

void FavoritesGuard::delNewFiles(std::int16_t minutes, const std::string& path) {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, kDelNewFilesTag);
    std::string folder = DropSlash(path);
    bool exists = false;
    // A folder that is a link is left alone: deleting through it would reach elsewhere.
    trap([&] { exists = !folder.empty() && files_.IsRealFolder(folder); });
    if (!exists) return;
    const bool guarding = !stopped_;

    std::vector<FindData> entries;
    trap([&] {
        files_.fs().Find(AddSlash(folder) + "*", [&](const FindData& entry) {
            if (!entry.IsDirectory() && !entry.IsReparsePoint()) entries.push_back(entry);
            return true;
        });
    });
    for (const FindData& entry : entries) {
        if (guarding && stopped_) break;  // switched off while a report let messages through
        trap([&] {
            LocalTime created = clock_.FileTimeToLocal(entry.creationTime);
            if (MinutesBetween(created, startTime_) < minutes) {
                DeleteNewFile(AddSlash(folder) + entry.name);
            }
        });
    }
}

// A plain delete: a read-only or busy file fails, is reported, and the next file is examined.
void FavoritesGuard::DeleteNewFile(const std::string& file) {
    if (!files_.guard().MayDelete(file)) return;
    ThrowIfFailed(files_.fs().Delete(file));
}

}  // namespace cw
