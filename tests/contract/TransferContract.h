#pragma once
// What the transfer contract tests need from each build: a server whose responses a test
// scripts, and the transfer control under test. The host build answers with the fake
// Internet, the target build with the local HTTP test server and the WinINet control.

#include <memory>
#include <string>

#include "platform/Internet.h"

namespace cw::contract {

struct ScriptedResponse {
    int status = 200;
    std::string body;
    int trickleMs = 0;  // the body comes in 16-byte pieces this far apart
};

class TransferWorld {
  public:
    virtual ~TransferWorld() = default;
    // The response to the next request of path.
    virtual void Serve(const std::string& path, const ScriptedResponse& response) = 0;
    virtual std::string Url(const std::string& path) = 0;
    // An address where nothing answers.
    virtual std::string UnreachableUrl() = 0;
    virtual Transfer& transfer() = 0;
    // A short pause between two polls of the control.
    virtual void Pause() = 0;
};

// Defined once per build.
std::unique_ptr<TransferWorld> MakeTransferWorld();

}  // namespace cw::contract
