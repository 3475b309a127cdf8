#include "platform/win32/Worker.h"

#include <windows.h>

#include <process.h>

#include <atomic>
#include <exception>
#include <memory>

#include "platform/win32/Handles.h"
#include "platform/win32/Sync.h"

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

// The helper's share of a list: what it meets is kept for the caller, who takes no more.
void WorkAsHelper(SharedTasks& tasks) {
    try {
        tasks.Work();
    } catch (...) {
        tasks.failure = std::current_exception();
        tasks.next = tasks.count;
    }
}

// One helper thread kept from one list to the next. Under Wine a thread's start and end
// cost milliseconds, as much as deleting dozens of files, and a wipe shares out one list
// per folder. The thread ends once it has had nothing to do for a while. It and every
// caller hold a share of the helper, so that it outlives the program's static objects.
class KeptHelper : public std::enable_shared_from_this<KeptHelper> {
  public:
    // Hands the list to the helper thread, starting one where none is waiting. False when
    // the helper is at another caller's list or no thread could start.
    bool Take(SharedTasks& tasks) {
        ScopedLock hold(lock_);
        if (tasks_ || !work_ || !done_) return false;
        if (!waiting_) {
            std::shared_ptr<KeptHelper> self = shared_from_this();
            if (!StartWorker([self] { self->Serve(); })) return false;
            waiting_ = true;
        }
        tasks_ = &tasks;
        SetEvent(work_.get());
        return true;
    }

    // Returns once the helper has finished its share of the list it took.
    void Finish() {
        WaitForSingleObject(done_.get(), INFINITE);
        ScopedLock hold(lock_);
        tasks_ = nullptr;
    }

  private:
    static constexpr DWORD kIdleMs = 2000;

    void Serve() {
        for (;;) {
            const bool woken = WaitForSingleObject(work_.get(), kIdleMs) == WAIT_OBJECT_0;
            SharedTasks* tasks = nullptr;
            {
                ScopedLock hold(lock_);
                if (!woken && !tasks_) {
                    waiting_ = false;
                    return;
                }
                if (!woken) continue;  // a list came with the time-out; its signal is set
                tasks = tasks_;
            }
            WorkAsHelper(*tasks);
            SetEvent(done_.get());
        }
    }

    CriticalSection lock_;
    KernelHandle work_{CreateEventA(nullptr, FALSE, FALSE, nullptr)};  // a list was handed over
    KernelHandle done_{CreateEventA(nullptr, FALSE, FALSE, nullptr)};  // the helper's share is done
    SharedTasks* tasks_ = nullptr;  // the list handed over, until its caller has finished
    bool waiting_ = false;          // a helper thread runs and will look at work_ again
};

std::shared_ptr<KeptHelper> Helper() {
    static const auto helper = std::make_shared<KeptHelper>();
    return helper;
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
    std::shared_ptr<KeptHelper> helper;
    if (count >= kSharedFrom && processors > 1) {
        helper = Helper();
        if (!helper->Take(tasks)) helper.reset();
    }
    {
        // However this thread's share ends, the helper takes no more and is waited for.
        struct JoinHelper {
            SharedTasks& tasks;
            KeptHelper* helper;
            ~JoinHelper() {
                tasks.next = tasks.count;
                if (helper) helper->Finish();
            }
        } join{tasks, helper.get()};
        tasks.Work();
    }
    if (tasks.failure) std::rethrow_exception(tasks.failure);
}

}  // namespace cw::win32
