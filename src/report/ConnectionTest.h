#pragma once
// Whether the Internet can be reached now: a bounded request to a well-known public site.

#include <cstdint>
#include <string>

#include "platform/Internet.h"

namespace cw {

struct ConnectionTestConfig {
    std::string url;    // the public site's home page
    std::string agent;  // the agent name of the request
    std::uint32_t timeoutMs = 5000;
};

class ConnectionTest {
  public:
    ConnectionTest(Internet& internet, ConnectionTestConfig config)
        : internet_(internet), config_(std::move(config)) {}
    virtual ~ConnectionTest() = default;
    virtual bool TestConnection() {
        return internet_.ProbeUrl(config_.url, config_.agent, config_.timeoutMs);
    }

  private:
    Internet& internet_;
    ConnectionTestConfig config_;
};

}  // namespace cw
