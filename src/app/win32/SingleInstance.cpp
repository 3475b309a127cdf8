#include "app/win32/SingleInstance.h"

#include "app/Startup.h"

namespace cw::win32 {

namespace {

// No backslash: Windows 95 to 2000 do not know the "Local\" prefix, and a plain name is
// already private to the user's session where sessions exist.
constexpr char kMutexName[] = "Halvane.Clearwell.SingleInstance";
constexpr DWORD kPatienceMs = 10000;
constexpr DWORD kPollMs = 100;
// A relay leg ends right after it starts the next one; this bounds the wait for it.
constexpr DWORD kEndingCopyPatienceMs = 10000;

}  // namespace

bool SingleInstance::Acquire(Desktop& desktop, ErrorSink& errors, bool startedByEndingCopy) {
    mutex_.reset(CreateMutexA(nullptr, TRUE, kMutexName));
    if (!mutex_) return true;  // no way to tell: run
    if (GetLastError() != ERROR_ALREADY_EXISTS) return true;
    if (startedByEndingCopy) {
        // The update's hand-over starts the next program and then ends: until it has
        // ended, its main window would make this start look like a second copy.
        DWORD wait = WaitForSingleObject(mutex_.get(), kEndingCopyPatienceMs);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) return true;
    }
    // The other copy may still be starting (no window yet) or just ending (window gone):
    // wait, boundedly, for its window to appear or for it to let go of the mutex.
    DWORD start = GetTickCount();
    while (GetTickCount() - start < kPatienceMs) {
        if (ShowPrevInstance(desktop, errors)) return false;
        DWORD wait = WaitForSingleObject(mutex_.get(), kPollMs);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) return true;
    }
    return false;
}

}  // namespace cw::win32
