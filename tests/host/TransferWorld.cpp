// The transfer contract's world on the host: the fake Internet.

#include "contract/TransferContract.h"
#include "fakes/FakeInternet.h"

namespace cw::contract {

namespace {

class FakeTransferWorld : public TransferWorld {
  public:
    void Serve(const std::string& path, const ScriptedResponse& r) override {
        fakes::FakeResponse response;
        response.headers = "HTTP/1.1 " + std::to_string(r.status) +
                           (r.status == 404 ? " Not Found" : " OK") +
                           "\r\nContent-Length: " + std::to_string(r.body.size()) + "\r\n\r\n";
        response.body = r.body;
        // A trickled body keeps the control busy for one poll per piece.
        response.busyPolls = r.trickleMs ? static_cast<int>(r.body.size() / 16) : 1;
        internet_.ServeRaw(Url(path), response);
    }
    std::string Url(const std::string& path) override { return "http://fake.test" + path; }
    std::string UnreachableUrl() override { return "http://unreachable.test/"; }
    Transfer& transfer() override { return *transfer_; }
    void Pause() override {}

  private:
    fakes::FakeInternet internet_;
    std::unique_ptr<Transfer> transfer_ = internet_.CreateTransfer("test");
};

}  // namespace

std::unique_ptr<TransferWorld> MakeTransferWorld() {
    return std::make_unique<FakeTransferWorld>();
}

}  // namespace cw::contract
