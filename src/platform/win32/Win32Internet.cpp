#include "platform/win32/Win32Internet.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Sync.h"
#include "platform/win32/Win32Transfer.h"
#include "platform/win32/Worker.h"

namespace cw::win32 {

namespace {

// State shared by the probe and its worker; whoever finishes last frees it.
struct Probe {
    CriticalSection guard;
    ManualResetEvent finished;
    bool done = false;
    bool opened = false;
    HINTERNET session = nullptr;
};

void RunProbe(const std::shared_ptr<Probe>& probe, const std::string& url, const std::string& agent,
              DWORD timeoutMs) {
    HINTERNET session =
        InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    {
        ScopedLock lock(probe->guard);
        probe->session = session;
    }
    bool opened = false;
    if (session) {
        InternetSetOptionA(session, INTERNET_OPTION_CONNECT_TIMEOUT, &timeoutMs, sizeof timeoutMs);
        InternetSetOptionA(session, INTERNET_OPTION_RECEIVE_TIMEOUT, &timeoutMs, sizeof timeoutMs);
        InternetSetOptionA(session, INTERNET_OPTION_SEND_TIMEOUT, &timeoutMs, sizeof timeoutMs);
        const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                            INTERNET_FLAG_KEEP_CONNECTION;  // 0x84400000
        HINTERNET handle = InternetOpenUrlA(session, url.c_str(), nullptr, 0, flags, 0);
        opened = handle != nullptr;
        if (handle) InternetCloseHandle(handle);
    }
    ScopedLock lock(probe->guard);
    if (probe->session) InternetCloseHandle(probe->session);
    probe->session = nullptr;
    probe->opened = opened;
    probe->done = true;
    probe->finished.Set();
}

}  // namespace

bool Win32Internet::GetConnectedState(std::uint32_t& flags) {
    DWORD f = 0;
    BOOL connected = InternetGetConnectedState(&f, 0);
    flags = f;
    return connected != FALSE;
}

bool Win32Internet::ProbeUrl(const std::string& url, const std::string& agent,
                             std::uint32_t timeoutMs) {
    auto probe = std::make_shared<Probe>();
    if (!StartWorker([probe, url, agent, timeoutMs] { RunProbe(probe, url, agent, timeoutMs); })) {
        return false;
    }
    // WinINet may not honour its timeout options everywhere; the wait here is the bound.
    probe->finished.Wait(timeoutMs + 250);
    ScopedLock lock(probe->guard);
    if (probe->done) return probe->opened;
    if (probe->session) InternetCloseHandle(probe->session);
    probe->session = nullptr;
    return false;
}

std::unique_ptr<Transfer> Win32Internet::CreateTransfer(const std::string& agent) {
    return std::make_unique<Win32Transfer>(agent);
}

}  // namespace cw::win32
