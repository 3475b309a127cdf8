#pragma once
// Change notifications of one folder (FindFirstChangeNotificationA, subfolders not watched):
// whether the entries directly in the folder were added, removed, renamed or changed since
// the watch was made or last resumed. Asking never waits, so a caller polls from a timer
// and the window stays responsive.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Status.h"

namespace cw {

// What to be told about (FILE_NOTIFY_CHANGE_*).
inline constexpr std::uint32_t kNotifyFileName = 0x01;
inline constexpr std::uint32_t kNotifyDirName = 0x02;
inline constexpr std::uint32_t kNotifyAttributes = 0x04;
inline constexpr std::uint32_t kNotifySize = 0x08;
inline constexpr std::uint32_t kNotifyLastWrite = 0x10;

// Results of a poll, as the platform's wait reports them.
inline constexpr std::uint32_t kWaitSignalled = 0;
inline constexpr std::uint32_t kWaitTimeout = 258;
inline constexpr std::uint32_t kWaitFailed = 0xFFFFFFFFu;

// One folder being watched; the notification is closed when the object goes away.
class FolderWatch {
  public:
    virtual ~FolderWatch() = default;
    // Whether a change is pending, without waiting: kWaitSignalled (stays so until Resume),
    // kWaitTimeout, or kWaitFailed.
    virtual std::uint32_t Poll() = 0;
    // Asks for the next change (FindNextChangeNotification); a status code. Windows keeps
    // the changes made between the signal and this call and signals again at once, but Wine
    // drops them: resume first, then look at the folder, and nothing is missed.
    virtual long Resume() = 0;
};

class ChangeWatch {
  public:
    virtual ~ChangeWatch() = default;
    // Starts watching the folder for the changes in filter; on failure watch stays empty
    // and the status (2 or 3 for a missing folder) is returned.
    virtual long Watch(const std::string& folder, std::uint32_t filter,
                       std::unique_ptr<FolderWatch>& watch) = 0;
};

}  // namespace cw
