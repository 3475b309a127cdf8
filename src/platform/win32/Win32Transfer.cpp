#include "platform/win32/Win32Transfer.h"

#include <thread>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {
constexpr DWORD kConnectTimeoutMs = 15000;
constexpr DWORD kReceiveTimeoutMs = 30000;
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_NO_UI;
}  // namespace

struct Win32Transfer::Request {
    std::mutex mutex;
    bool cancelled = false;
    bool done = false;
    HINTERNET session = nullptr;  // owned by the worker; closed by whoever gets there first
    std::string headers;
    std::string body;

    void CloseSession() {
        std::lock_guard<std::mutex> lock(mutex);
        if (session) InternetCloseHandle(session);
        session = nullptr;
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

void RunRequest(const std::shared_ptr<Win32Transfer::Request>& request, const std::string& url,
                const std::string& agent) {
    HINTERNET session =
        InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    {
        std::lock_guard<std::mutex> lock(request->mutex);
        if (request->cancelled || !session) {
            if (session) InternetCloseHandle(session);
            request->done = true;
            return;
        }
        request->session = session;
    }
    SetTimeouts(session);
    // The URL handle belongs to the session: closing the session closes it too.
    HINTERNET handle = InternetOpenUrlA(session, url.c_str(), nullptr, 0, kRequestFlags, 0);
    std::string headers, body;
    if (handle) {
        headers = RawHeaders(handle);
        // InternetReadFile waits until its whole buffer is filled, and closing the handle
        // from another thread does not wake it; so read only what has arrived, and look at
        // the cancel flag between pieces.
        char buffer[16384];
        for (;;) {
            DWORD available = 0, read = 0;
            if (!InternetQueryDataAvailable(handle, &available, 0, 0) || available == 0) break;
            DWORD want = available < sizeof buffer ? available : sizeof buffer;
            if (!InternetReadFile(handle, buffer, want, &read) || read == 0) break;
            body.append(buffer, read);
            std::lock_guard<std::mutex> lock(request->mutex);
            if (request->cancelled) break;
        }
    }
    request->CloseSession();
    std::lock_guard<std::mutex> lock(request->mutex);
    if (!request->cancelled) {
        request->headers = std::move(headers);
        request->body = std::move(body);
    }
    request->done = true;
}

}  // namespace

void Win32Transfer::Cancel() {
    if (!current_) return;
    {
        std::lock_guard<std::mutex> lock(current_->mutex);
        current_->cancelled = true;
    }
    current_->CloseSession();
    current_.reset();
}

void Win32Transfer::Start(const std::string& url) {
    Cancel();
    headers_.clear();
    body_.clear();
    auto request = std::make_shared<Request>();
    current_ = request;
    std::thread([request, url, agent = agent_] { RunRequest(request, url, agent); }).detach();
}

void Win32Transfer::CollectFinished() {
    if (!current_) return;
    std::lock_guard<std::mutex> lock(current_->mutex);
    if (!current_->done) return;
    headers_ = std::move(current_->headers);
    body_ = std::move(current_->body);
    current_.reset();
}

bool Win32Transfer::StillExecuting() {
    CollectFinished();
    return current_ != nullptr;
}

std::string Win32Transfer::Headers() {
    CollectFinished();
    return headers_;
}

std::string Win32Transfer::Body() {
    CollectFinished();
    return body_;
}

}  // namespace cw::win32
