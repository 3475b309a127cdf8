#pragma once
// Threads of the program's own: a background worker that nobody waits for, and a helper
// that shares a list of tasks with its caller.

#include <cstddef>
#include <functional>

namespace cw::win32 {

// Runs work on a new thread of its own and returns at once; the thread ends with the work.
// An exception that leaves the work ends only the work. False when no thread could start
// (the work is then not run).
//
// Native threads rather than detached std::threads: MinGW's thread library lets a detached
// thread's start-up race with its creator, and a thread started that way can begin with no
// work to run.
bool StartWorker(std::function<void()> work);

// Calls task(i) once for every i below count and returns when every call has returned: on
// this thread and, where the machine has more than one processor and there is enough to
// share, on one more thread (kept a little while for the next call). The calls run in no set
// order. An exception a task throws on the other thread is thrown again here once both
// threads are done.
void RunShared(std::size_t count, const std::function<void(std::size_t)>& task);

}  // namespace cw::win32
