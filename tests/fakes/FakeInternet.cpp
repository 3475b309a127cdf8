#include "fakes/FakeInternet.h"

namespace cw::fakes {

bool FakeInternet::ProbeUrl(const std::string& url, const std::string&, std::uint32_t) {
    probes.push_back(url);
    auto it = reachable_.find(url);
    return it != reachable_.end() && it->second;
}

std::unique_ptr<Transfer> FakeInternet::CreateTransfer(const std::string&) {
    return std::make_unique<FakeTransfer>(*this);
}

void FakeInternet::Serve(const std::string& url, const std::string& body, int busyPolls,
                         int status) {
    const std::string headers = "HTTP/1.1 " + std::to_string(status) +
                                (status == 404 ? " Not Found" : " OK") +
                                "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    responses_[url] = FakeResponse{headers, body, busyPolls};
}

void FakeTransfer::Cancel() {
    if (busy_) current_ = FakeResponse{};
    busy_ = false;
    pollsLeft_ = 0;
}

void FakeTransfer::Start(const std::string& url) {
    Cancel();
    internet_.requests.push_back(url);
    url_ = url;
    auto it = internet_.responses_.find(url);
    current_ = it != internet_.responses_.end() ? it->second : FakeResponse{};
    pollsLeft_ = current_.busyPolls;
    busy_ = pollsLeft_ > 0;
}

bool FakeTransfer::StillExecuting() {
    if (!busy_) return false;
    if (--pollsLeft_ <= 0) busy_ = false;
    return true;
}

}  // namespace cw::fakes
