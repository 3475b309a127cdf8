#pragma once
// The Internet library: connection state, a bounded reachability probe, and the transfer
// control through which the program makes its HTTP requests.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace cw {

inline constexpr std::uint32_t kConnectionModem = 0x01;
inline constexpr std::uint32_t kConnectionLan = 0x02;
inline constexpr std::uint32_t kConnectionProxy = 0x04;
inline constexpr std::uint32_t kConnectionModemBusy = 0x08;
inline constexpr std::uint32_t kConnectionOffline = 0x20;

// One internet-transfer control: one whole-document GET at a time, run in the background.
// The caller polls StillExecuting() and lets window messages through meanwhile.
class Transfer {
  public:
    virtual ~Transfer() = default;
    // Abandons the request in progress, if any, at once: StillExecuting() is false on
    // return and nothing of that request is ever delivered. A finished request keeps its
    // response.
    virtual void Cancel() = 0;
    // Cancels any request in progress, forgets the last response, then starts a GET of the
    // url.
    virtual void Start(const std::string& url) = 0;
    virtual bool StillExecuting() = 0;
    // Raw response headers of the last finished request: the status line and every header,
    // each ended by CR LF, then an empty line. Empty while a request runs, after Cancel of
    // a running request, and when no response arrived.
    virtual std::string Headers() = 0;
    // The whole body of the last finished request, as bytes; empty in the same cases, and
    // when the body was larger than kMaxTransferBody.
    virtual std::string Body() = 0;
    // The address of the last request started: Headers() and Body() answer it. Lets a
    // caller see that another user of the control started a request in the meantime.
    virtual std::string Url() = 0;
};

// The largest body a transfer keeps: a server that sends more cannot exhaust memory.
inline constexpr std::size_t kMaxTransferBody = 64u * 1024u * 1024u;

class Internet {
  public:
    virtual ~Internet() = default;
    // InternetGetConnectedState: true when connected; flags receive the connection kind.
    virtual bool GetConnectedState(std::uint32_t& flags) = 0;
    // Opens the url (InternetOpenA with the agent, then InternetOpenUrlA with reload,
    // no-cache-write and keep-connection) and reports whether the URL handle opened.
    // Connecting and receiving are each bounded by timeoutMs.
    virtual bool ProbeUrl(const std::string& url, const std::string& agent,
                          std::uint32_t timeoutMs) = 0;
    virtual std::unique_ptr<Transfer> CreateTransfer(const std::string& agent) = 0;
};

}  // namespace cw
