#pragma once
// The transfer control: each GET runs on a worker thread of its own with its own WinINet
// session; Cancel closes that session, which makes the blocked calls return, and forgets
// the request at once, so nothing on the user-interface thread waits for the network.

#include <memory>
#include <mutex>
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

    struct Request;

private:
    void CollectFinished();

    std::string agent_;
    std::shared_ptr<Request> current_;
    std::string headers_;
    std::string body_;
};

}  // namespace cw::win32
