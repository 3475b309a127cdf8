#pragma once
// A thread the test waits for: the work runs on a native thread from construction and is
// joined by Join or at the latest by the destructor. Native, so that the tests build with
// either of the compiler's thread models (the win32 one has no std::thread).

#include <windows.h>

#include <process.h>

#include <functional>

namespace cw::win32 {

class TestThread {
  public:
    explicit TestThread(std::function<void()> work) : work_(std::move(work)) {
        handle_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Run, this, 0, nullptr));
        if (!handle_) work_();  // no thread: the work runs here, so nothing is left undone
    }
    ~TestThread() { Join(); }
    TestThread(const TestThread&) = delete;
    TestThread& operator=(const TestThread&) = delete;

    void Join() {
        if (!handle_) return;
        WaitForSingleObject(handle_, INFINITE);
        CloseHandle(handle_);
        handle_ = nullptr;
    }

  private:
    static unsigned __stdcall Run(void* self) {
        static_cast<TestThread*>(self)->work_();
        return 0;
    }

    std::function<void()> work_;
    HANDLE handle_ = nullptr;
};

}  // namespace cw::win32
