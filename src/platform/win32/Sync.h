#pragma once
// Thread synchronisation on the Win32 primitives every system from Windows 95 on has: a
// critical section with its scoped lock and a manual-reset event. The program is built with
// the compiler's win32 thread model, which has no std::mutex or std::condition_variable.

#include <windows.h>

#include "platform/win32/Handles.h"

namespace cw::win32 {

class CriticalSection {
  public:
    CriticalSection() { InitializeCriticalSection(&section_); }
    ~CriticalSection() { DeleteCriticalSection(&section_); }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void Enter() { EnterCriticalSection(&section_); }
    void Leave() { LeaveCriticalSection(&section_); }

  private:
    CRITICAL_SECTION section_;
};

class ScopedLock {
  public:
    explicit ScopedLock(CriticalSection& section) : section_(section) { section_.Enter(); }
    ~ScopedLock() { section_.Leave(); }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

  private:
    CriticalSection& section_;
};

// Starts unsignalled and stays signalled once set. Without a handle (the system is out of
// them) Set does nothing and Wait returns false at once.
class ManualResetEvent {
  public:
    ManualResetEvent() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

    void Set() {
        if (event_) SetEvent(event_.get());
    }
    // True when the event was set within timeoutMs.
    bool Wait(DWORD timeoutMs) {
        return event_ && WaitForSingleObject(event_.get(), timeoutMs) == WAIT_OBJECT_0;
    }

  private:
    KernelHandle event_;
};

}  // namespace cw::win32
