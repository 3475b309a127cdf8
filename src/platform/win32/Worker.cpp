#include "platform/win32/Worker.h"

#include <windows.h>

#include <process.h>

#include <memory>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

unsigned __stdcall RunWorker(void* parameter) {
    std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
    try {
        (*work)();
    } catch (...) {
        // A worker has nobody to report to; what it leaves undone its owner sees as no result.
    }
    return 0;
}

}  // namespace

bool StartWorker(std::function<void()> work) {
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    // _beginthreadex rather than CreateThread: the worker uses the C runtime.
    KernelHandle thread(
        reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, RunWorker, owned.get(), 0, nullptr)));
    if (!thread) return false;
    owned.release();  // the worker owns its work now
    return true;
}

}  // namespace cw::win32
