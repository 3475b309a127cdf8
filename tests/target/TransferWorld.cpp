// The transfer contract's world under Wine: WinINet against the local test server.

#include <windows.h>

#include "contract/TransferContract.h"
#include "platform/win32/Win32Transfer.h"
#include "support/TestWorld.h"

namespace cw::contract {

namespace {

std::string Hex(const std::string& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}

class Win32TransferWorld : public TransferWorld {
  public:
    Win32TransferWorld() { testing::TestServer::Reset(); }
    void Serve(const std::string& path, const ScriptedResponse& r) override {
        std::string params = "status=" + std::to_string(r.status) + "&hex=" + Hex(r.body);
        if (r.trickleMs) params += "&trickle=" + std::to_string(r.trickleMs);
        testing::TestServer::Route(path, params);
    }
    std::string Url(const std::string& path) override {
        return testing::TestServer::BaseUrl() + path;
    }
    std::string UnreachableUrl() override { return "http://127.0.0.1:1/"; }
    Transfer& transfer() override { return transfer_; }
    void Pause() override { Sleep(10); }

  private:
    win32::Win32Transfer transfer_{"ClearwellTest"};
};

}  // namespace

std::unique_ptr<TransferWorld> MakeTransferWorld() {
    return std::make_unique<Win32TransferWorld>();
}

}  // namespace cw::contract
