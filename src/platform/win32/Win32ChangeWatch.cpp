#include "platform/win32/Win32ChangeWatch.h"

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

class Win32FolderWatch : public FolderWatch {
  public:
    explicit Win32FolderWatch(ChangeNotification handle) : handle_(std::move(handle)) {}

    std::uint32_t Poll() override {
        switch (WaitForSingleObject(handle_.get(), 0)) {
            case WAIT_OBJECT_0:
                return kWaitSignalled;
            case WAIT_TIMEOUT:
                return kWaitTimeout;
            default:
                return kWaitFailed;
        }
    }
    long Resume() override {
        return FindNextChangeNotification(handle_.get()) ? ERROR_SUCCESS
                                                         : static_cast<long>(GetLastError());
    }

  private:
    ChangeNotification handle_;
};

}  // namespace

long Win32ChangeWatch::Watch(const std::string& folder, std::uint32_t filter,
                             std::unique_ptr<FolderWatch>& watch) {
    watch.reset();
    // An empty path would watch the current directory.
    if (folder.empty()) return ERROR_PATH_NOT_FOUND;
    ChangeNotification handle(FindFirstChangeNotificationA(folder.c_str(), FALSE, filter));
    if (!handle) {
        DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? static_cast<long>(error) : ERROR_PATH_NOT_FOUND;
    }
    watch = std::make_unique<Win32FolderWatch>(std::move(handle));
    return ERROR_SUCCESS;
}

}  // namespace cw::win32
