// The transfer control's contract, run against the fake on the host and against WinINet and
// the local test server under Wine.

#include <gtest/gtest.h>

#include <chrono>

#include "contract/ContractWorld.h"

namespace cw::contract {
namespace {

using std::chrono::steady_clock;

class TransferContract : public ContractTest {
  protected:
    Transfer& transfer = world.transfer();

    // Polls until the request ends; false when it still runs after about ten seconds.
    bool WaitDone() {
        auto deadline = steady_clock::now() + std::chrono::seconds(10);
        while (transfer.StillExecuting()) {
            if (steady_clock::now() > deadline) return false;
            world.Settle(10);
        }
        return true;
    }
    std::string Get(const std::string& path) {
        transfer.Start(world.Url(path));
        EXPECT_TRUE(WaitDone());
        return transfer.Body();
    }
};

TEST_F(TransferContract, HeadersEndInCrLfBodiesArriveUnchangedAndAnErrorKeepsItsBody) {
    world.Serve("/hello.txt", {200, "hello"});
    EXPECT_EQ(transfer.Url(), "");
    EXPECT_EQ(Get("/hello.txt"), "hello");
    EXPECT_EQ(transfer.Url(), world.Url("/hello.txt"));
    std::string headers = transfer.Headers();
    EXPECT_EQ(headers.substr(0, 12), "HTTP/1.1 200") << headers;
    EXPECT_NE(headers.find("\r\nContent-Length: 5\r\n"), std::string::npos) << headers;
    ASSERT_GE(headers.size(), 4u);
    EXPECT_EQ(headers.substr(headers.size() - 4), "\r\n\r\n");

    std::string bytes;  // every byte value, three times over 768 bytes, then CR LF NUL CR LF
    for (int b = 0; b < 768; ++b)
        bytes += static_cast<char>(b % 256);
    bytes += std::string("\r\n\0\r\n", 5);
    world.Serve("/bytes.bin", {200, bytes});
    EXPECT_EQ(Get("/bytes.bin"), bytes);
    EXPECT_NE(transfer.Headers().find("Content-Length: 773\r\n"), std::string::npos);

    world.Serve("/gone.txt", {404, "not here"});
    EXPECT_EQ(Get("/gone.txt"), "not here");
    EXPECT_EQ(transfer.Headers().substr(8, 4), " 404") << transfer.Headers();
}

TEST_F(TransferContract, CancelDuringATrickledBodyStopsAtOnceAndDeliversNothing) {
    world.Serve("/slow.bin", {200, std::string(4096, 's'), 100});  // about 25 seconds
    world.Serve("/hello.txt", {200, "hello"});
    transfer.Start(world.Url("/slow.bin"));
    world.Settle(300);
    EXPECT_TRUE(transfer.StillExecuting());
    EXPECT_EQ(transfer.Body(), "");  // nothing while it runs

    auto before = steady_clock::now();
    transfer.Cancel();
    EXPECT_LT(steady_clock::now() - before, std::chrono::milliseconds(500));
    EXPECT_FALSE(transfer.StillExecuting());
    EXPECT_EQ(transfer.Headers() + transfer.Body(), "");

    // The abandoned request never leaks into the next one.
    EXPECT_EQ(Get("/hello.txt"), "hello");
    world.Settle(300);
    EXPECT_EQ(transfer.Body(), "hello");
}

TEST_F(TransferContract, CancelKeepsAFinishedResponseAndStartForgetsIt) {
    world.Serve("/hello.txt", {200, "hello"});
    Get("/hello.txt");
    transfer.Cancel();
    EXPECT_EQ(transfer.Body(), "hello");
    EXPECT_NE(transfer.Headers(), "");

    world.Serve("/slow.bin", {200, std::string(4096, 's'), 100});
    transfer.Start(world.Url("/slow.bin"));
    EXPECT_EQ(transfer.Headers() + transfer.Body(), "");
    transfer.Cancel();

    Get("/hello.txt");
    transfer.Start(world.UnreachableUrl());
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(transfer.Headers() + transfer.Body(), "") << "no response leaves both empty";
}

TEST_F(TransferContract, TheProbeReachesAnyServerThatAnswersAndGivesUpWhereNoneDoes) {
    Internet& internet = world.internet();
    world.Serve("/probe", {404, "gone"});
    EXPECT_TRUE(internet.ProbeUrl(world.Url("/probe"), "ClearwellTest", 5000))
        << "a server that answers, even with an error status, is reachable";

    auto start = steady_clock::now();
    EXPECT_FALSE(internet.ProbeUrl(world.UnreachableUrl(), "ClearwellTest", 2000));
    EXPECT_LT(steady_clock::now() - start, std::chrono::seconds(5));

    std::uint32_t flags = 0;
    if (internet.GetConnectedState(flags)) {
        EXPECT_NE(flags & (kConnectionModem | kConnectionLan | kConnectionProxy), 0u) << flags;
    }
}

}  // namespace
}  // namespace cw::contract
