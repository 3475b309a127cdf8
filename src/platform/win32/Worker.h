#pragma once
// A background worker thread that nobody waits for.

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

}  // namespace cw::win32
