#include "platform/win32/Win32Transfer.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Sync.h"
#include "platform/win32/Worker.h"

namespace cw::win32 {

namespace {
constexpr DWORD kConnectTimeoutMs = 15000;
constexpr DWORD kReceiveTimeoutMs = 30000;
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI;
}  // namespace

// Shared by the control and its worker; whoever lets go last frees it.
struct Win32Transfer::Request {
    CriticalSection guard;
    bool cancelled = false;
    bool done = false;
    std::string headers;
    std::string body;

    bool Cancelled() {
        ScopedLock lock(guard);
        return cancelled;
    }
    void Finish(std::string h, std::string b) {
        ScopedLock lock(guard);
        if (!cancelled) {
            headers = std::move(h);
            body = std::move(b);
        }
        done = true;
    }
};

namespace {

void SetTimeouts(HINTERNET handle) {
    DWORD connect = kConnectTimeoutMs, receive = kReceiveTimeoutMs;
    InternetSetOptionA(handle, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof connect);
    InternetSetOptionA(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &receive, sizeof receive);
    InternetSetOptionA(handle, INTERNET_OPTION_SEND_TIMEOUT, &receive, sizeof receive);
}

std::string RawHeaders(HINTERNET url) {
    DWORD size = 0;
    HttpQueryInfoA(url, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    if (size == 0) return "";
    std::string headers(size, '\0');
    if (!HttpQueryInfoA(url, HTTP_QUERY_RAW_HEADERS_CRLF, headers.data(), &size, nullptr)) {
        return "";
    }
    headers.resize(size);
    return headers;
}

// The body, read until the end or until the request is abandoned; a body larger than
// kMaxTransferBody is dropped. InternetReadFile waits until its whole buffer is filled, so
// only what has arrived is read, and the request is looked at between pieces.
std::string ReadBody(Win32Transfer::Request& request, HINTERNET url) {
    std::string body;
    char buffer[16384];
    while (!request.Cancelled()) {
        DWORD available = 0, read = 0;
        if (!InternetQueryDataAvailable(url, &available, 0, 0) || available == 0) break;
        DWORD want = available < sizeof buffer ? available : sizeof buffer;
        if (!InternetReadFile(url, buffer, want, &read) || read == 0) break;
        if (body.size() + read > kMaxTransferBody) return "";
        body.append(buffer, read);
    }
    return body;
}

void RunRequest(const std::shared_ptr<Win32Transfer::Request>& request, const std::string& url,
                const std::string& agent) {
    std::string headers, body;
    try {
        InternetHandle session(
            InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
        if (session && !request->Cancelled()) {
            SetTimeouts(session.get());
            InternetHandle handle(
                InternetOpenUrlA(session.get(), url.c_str(), nullptr, 0, kRequestFlags, 0));
            if (handle && !request->Cancelled()) {
                headers = RawHeaders(handle.get());
                body = ReadBody(*request, handle.get());
            }
        }
    } catch (...) {
        // Out of memory on a worker thread must not end the program: no response.
        headers.clear();
        body.clear();
    }
    request->Finish(std::move(headers), std::move(body));
}

}  // namespace

void Win32Transfer::Cancel() {
    CollectFinished();
    if (!current_) return;
    {
        ScopedLock lock(current_->guard);
        current_->cancelled = true;
    }
    current_.reset();
}

void Win32Transfer::Start(const std::string& url) {
    Cancel();
    headers_.clear();
    body_.clear();
    url_ = url;
    auto request = std::make_shared<Request>();
    current_ = request;
    if (!StartWorker([request, url, agent = agent_] { RunRequest(request, url, agent); })) {
        request->Finish({}, {});  // no thread, no response
    }
}

void Win32Transfer::CollectFinished() {
    if (!current_) return;
    // Declared before the lock, so the request (and its guard) outlives the lock.
    std::shared_ptr<Request> request = current_;
    ScopedLock lock(request->guard);
    if (!request->done) return;
    headers_ = std::move(request->headers);
    body_ = std::move(request->body);
    current_.reset();
}

bool Win32Transfer::StillExecuting() {
    CollectFinished();
    return current_ != nullptr;
}

std::string Win32Transfer::Headers() {
    CollectFinished();
    return current_ ? std::string() : headers_;
}

std::string Win32Transfer::Body() {
    CollectFinished();
    return current_ ? std::string() : body_;
}

}  // namespace cw::win32
