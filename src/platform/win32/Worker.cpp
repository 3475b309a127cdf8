#include "platform/win32/Worker.h"

#include <windows.h>

#include <process.h>

#include <atomic>
#include <exception>
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

// A list of tasks that both threads take their next one from, through one shared counter.
struct SharedTasks {
    SharedTasks(std::size_t n, const std::function<void(std::size_t)>& t) : count(n), task(t) {}

    std::size_t count;
    const std::function<void(std::size_t)>& task;
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;  // what the helper thread met, thrown again by its caller

    void Work() {
        for (std::size_t i = next++; i < count; i = next++)
            task(i);
    }
};

unsigned __stdcall RunHelper(void* parameter) {
    auto* tasks = static_cast<SharedTasks*>(parameter);
    try {
        tasks->Work();
    } catch (...) {
        tasks->failure = std::current_exception();
        tasks->next = tasks->count;  // the caller takes no more either
    }
    return 0;
}

// Fewer tasks than this are not worth a thread's start.
constexpr std::size_t kSharedFrom = 8;

unsigned ProcessorCount() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors;
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

void RunShared(std::size_t count, const std::function<void(std::size_t)>& task) {
    static const unsigned processors = ProcessorCount();
    SharedTasks tasks(count, task);
    KernelHandle helper;
    if (count >= kSharedFrom && processors > 1) {
        helper.reset(
            reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, RunHelper, &tasks, 0, nullptr)));
    }
    {
        // However this thread's share ends, the helper takes no more and is waited for.
        struct JoinHelper {
            SharedTasks& tasks;
            KernelHandle& helper;
            ~JoinHelper() {
                tasks.next = tasks.count;
                if (helper) WaitForSingleObject(helper.get(), INFINITE);
            }
        } join{tasks, helper};
        tasks.Work();
    }
    if (tasks.failure) std::rethrow_exception(tasks.failure);
}

}  // namespace cw::win32
