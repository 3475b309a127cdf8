#pragma once
// A scripted Internet: reachable addresses for the probe, and responses by URL for the
// transfer control, which can be made to stay busy for a number of polls.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Internet.h"

namespace cw::fakes {

struct FakeResponse {
    std::string headers;
    std::string body;
    int busyPolls = 0;  // StillExecuting answers true this many times first
};

class FakeInternet : public Internet {
  public:
    bool GetConnectedState(std::uint32_t& flags) override {
        flags = flags_;
        return connected_;
    }
    bool ProbeUrl(const std::string& url, const std::string& agent,
                  std::uint32_t timeoutMs) override;
    std::unique_ptr<Transfer> CreateTransfer(const std::string& agent) override;

    void SetConnectedState(bool connected, std::uint32_t flags) {
        connected_ = connected;
        flags_ = flags;
    }
    void SetReachable(const std::string& url, bool reachable) { reachable_[url] = reachable; }
    // A response with the status and the body's length as Content-Length.
    void Serve(const std::string& url, const std::string& body, int busyPolls = 0,
               int status = 200);
    void ServeRaw(const std::string& url, FakeResponse response) { responses_[url] = response; }

    std::vector<std::string> probes;    // URLs probed, in order
    std::vector<std::string> requests;  // URLs whose transfer was started, in order

  private:
    friend class FakeTransfer;
    bool connected_ = true;
    std::uint32_t flags_ = kConnectionLan;
    std::map<std::string, bool> reachable_;
    std::map<std::string, FakeResponse> responses_;
};

// The transfer control of a FakeInternet.
class FakeTransfer : public Transfer {
  public:
    explicit FakeTransfer(FakeInternet& internet) : internet_(internet) {}
    void Cancel() override;
    void Start(const std::string& url) override;
    bool StillExecuting() override;
    std::string Headers() override { return busy_ ? "" : current_.headers; }
    std::string Body() override { return busy_ ? "" : current_.body; }
    std::string Url() override { return url_; }

  private:
    FakeInternet& internet_;
    FakeResponse current_;
    std::string url_;
    bool busy_ = false;
    int pollsLeft_ = 0;
};

}  // namespace cw::fakes
