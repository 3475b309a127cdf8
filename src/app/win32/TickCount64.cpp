// The compiler's threads library (used by the transfer control's worker) calls
// GetTickCount64, which Windows XP lacks: an executable importing it does not even load
// there. Clearwell.exe defines the import slot itself, so the function is not imported:
// the slot calls GetTickCount64 where the system has it and GetTickCount elsewhere. The
// threads library only measures short waits with it, so the 32-bit count's wrap after
// 49.7 days costs at most one wait cut short.
//
// Linked into Clearwell.exe directly (not through the library), so that the slot is
// defined before the threads library asks for it.

#include <windows.h>

namespace {

using TickCountFn = ULONGLONG(WINAPI*)();

// Looked up once, while the program starts and no other thread runs.
const TickCountFn systemTickCount64 = reinterpret_cast<TickCountFn>(
    reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));

ULONGLONG WINAPI TickCount64() {
    return systemTickCount64 ? systemTickCount64() : static_cast<ULONGLONG>(GetTickCount());
}

}  // namespace

extern "C" {
extern TickCountFn const importGetTickCount64 __asm__("__imp__GetTickCount64@0");
TickCountFn const importGetTickCount64 = TickCount64;
}
