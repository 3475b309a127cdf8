#pragma once
// The transfer control: each GET runs on a worker thread of its own with its own WinINet
// session. Cancel only marks the request abandoned and forgets it, so the user-interface
// thread never waits for the network; the worker notices after its current call returns
// (one read, or the connect and receive timeouts at worst) and closes its own handles.
// Handles are never closed from the user-interface thread: WinINet reuses handle values,
// and a worker still calling with a value closed under it could read another request's data.

#include <memory>
#include <string>

#include "platform/Internet.h"

namespace cw::win32 {

class Win32Transfer : public Transfer {
  public:
    explicit Win32Transfer(std::string agent) : agent_(std::move(agent)) {}
    ~Win32Transfer() override { Cancel(); }

    void Cancel() override;
    void Start(const std::string& url) override;
    bool StillExecuting() override;
    std::string Headers() override;
    std::string Body() override;
    std::string Url() override { return url_; }

    struct Request;

  private:
    void CollectFinished();

    std::string agent_;
    std::string url_;
    std::shared_ptr<Request> current_;
    std::string headers_;
    std::string body_;
};

}  // namespace cw::win32
