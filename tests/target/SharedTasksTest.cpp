// Lists of tasks shared with the kept helper thread, as a wipe hands them out folder by
// folder: one after another, from inside a task, from two callers at once, and after the
// helper has gone idle and ended.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "platform/win32/Worker.h"

namespace cw::win32 {
namespace {

// Runs one list and returns how many threads took part; every task must run exactly once.
// Each task waits a moment so that a helper that is there gets its share.
std::size_t RunList(std::size_t count, const std::function<void(std::size_t)>& inner = {}) {
    std::vector<std::atomic<int>> calls(count);
    std::mutex lock;
    std::set<DWORD> threads;
    RunShared(count, [&](std::size_t i) {
        ++calls[i];
        {
            std::lock_guard<std::mutex> hold(lock);
            threads.insert(GetCurrentThreadId());
        }
        if (inner) inner(i);
        Sleep(2);
    });
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(calls[i].load(), 1) << "task " << i;
    return threads.size();
}

TEST(SharedTasksTest, EveryListRunsOnceOnTwoThreadsWhileTheHelperIsKeptOrRestarted) {
    ASSERT_GT(std::thread::hardware_concurrency(), 1u) << "the helper needs two processors";
    for (int list = 0; list < 5; ++list)
        EXPECT_EQ(RunList(20), 2u) << "list " << list;

    // A task that shares out a list of its own while the helper is busy: that list runs
    // on the task's thread alone, and nothing waits on itself.
    EXPECT_EQ(RunList(20,
                      [](std::size_t i) {
                          if (i < 2) {
                              EXPECT_EQ(RunList(10), 1u);
                          }
                      }),
              2u);

    // Two callers at once: each list is done in full, one of them with the helper.
    std::size_t first = 0, second = 0;
    std::thread other([&] { first = RunList(30); });
    second = RunList(30);
    other.join();
    EXPECT_EQ(std::max(first, second), 2u);

    // Idle long enough for the helper to end: the next list starts another.
    Sleep(2500);
    EXPECT_EQ(RunList(20), 2u);
}

}  // namespace
}  // namespace cw::win32
