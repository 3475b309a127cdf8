// The update check, download and hand-over against a scripted server.

#include <gtest/gtest.h>

#include "host/UpdateTestWorld.h"

namespace cw::update {
namespace {

using namespace testing;

class UpdaterTest : public ::testing::Test, public UpdateWorld {};

TEST_F(UpdaterTest, AFetchWithoutAnswerOrTakenOverIsNotReadAsReleaseZero) {
    internet.Serve(kVersionUrl, "6", 1);
    // The probe succeeds; then the server stops answering.
    dialogs.onDoEvents = [&] { internet.ServeRaw(kVersionUrl, {}); };
    EXPECT_FALSE(updater.CheckForUpdate("7"));
    EXPECT_EQ(Update("ver"), "(missing)");

    // Another user of the control (an error report) starts its own request meanwhile.
    internet.Serve(kVersionUrl, "6", 1);
    internet.Serve("http://server.test/report", "", 1);
    int polls = 0;
    dialogs.onDoEvents = [&] {
        if (++polls == 2) transfer->Start("http://server.test/report");
    };
    EXPECT_FALSE(updater.CheckForUpdate("7"));
    EXPECT_EQ(Update("ver"), "(missing)");
}

// (The values the hand-over writes and the process it starts, under Wine: target UpdateTest,
// ProceedHandsOverOrAfterSixRejectedAttemptsSaysSo.)
TEST_F(UpdaterTest, TheRelayStateIsWrittenInOrderAndANewReleaseThatDoesNotStartIsLeft) {
    internet.Serve(kVersionUrl, "6", 1);
    ASSERT_TRUE(updater.CheckForUpdate("5"));
    ServeExe(Executable(1001), 1001);
    registry.written.clear();
    shell.startResult = false;
    EXPECT_EQ(updater.DownloadAndHandOver(), HandOver::Failed);
    EXPECT_EQ(registry.written, (std::vector<std::string>{"App", "ver", "Up", "donreq"}));
    EXPECT_EQ(Update("Up"), "b");  // the relay picks it up at the next start
    EXPECT_EQ(programEnds, 0);
}

TEST_F(UpdaterTest, CancelReachesOnlyTheUpdatesOwnRequestAndLastsOneOperation) {
    internet.Serve(kVersionUrl, "6", 1);
    internet.Serve("http://server.test/report", "", 5);
    transfer->Start("http://server.test/report");  // an error report in flight
    updater.CancelTransfer();
    EXPECT_TRUE(transfer->StillExecuting());
    EXPECT_FALSE(updater.Cancelled());

    dialogs.onDoEvents = [&] { updater.CancelTransfer(); };
    EXPECT_FALSE(updater.CheckForUpdate("5"));
    EXPECT_TRUE(updater.Cancelled());
    EXPECT_EQ(RequestsOf(kVersionUrl), 1);
    dialogs.onDoEvents = nullptr;
    EXPECT_TRUE(updater.CheckForUpdate("5"));  // the next check starts afresh
    EXPECT_FALSE(updater.Cancelled());
}

TEST_F(UpdaterTest, ARequestThatNeverEndsIsBoundedAndANestedCheckIsRefused) {
    Updater quick{connection, *transfer, settings,        fs,   guard, shell,
                  clock,      dialogs,   {kServer, 2000}, [] {}};
    internet.Serve(kVersionUrl, "6", 1000000);
    std::uint32_t before = clock.TickCount();
    EXPECT_FALSE(quick.CheckForUpdate("5"));
    EXPECT_LT(clock.TickCount() - before, 3000u);
    EXPECT_FALSE(transfer->StillExecuting());

    internet.Serve(kVersionUrl, "6", 3);
    bool nested = true;
    int nestedRequests = -1;
    dialogs.onDoEvents = [&] {
        std::size_t requests = internet.requests.size();
        nested = updater.CheckForUpdate("5");
        nestedRequests = static_cast<int>(internet.requests.size() - requests);
    };
    EXPECT_TRUE(updater.CheckForUpdate("5"));
    EXPECT_FALSE(nested);
    EXPECT_EQ(nestedRequests, 0);
}

}  // namespace
}  // namespace cw::update

namespace cw::update {
namespace {

TEST(UpdaterAddressTest, AnHttpsServerWithATrailingSlashIsAskedForTheSamePaths) {
    testing::UpdateWorld w;
    Updater secure{w.connection, *w.transfer, w.settings,
                   w.fs,         w.guard,     w.shell,
                   w.clock,      w.dialogs,   {"https://secure.test/"},
                   [] {}};
    w.internet.Serve("https://secure.test/cwl.txt", "6", 1);
    w.internet.Serve("https://secure.test/cwlupdate.exe", testing::Executable(1001), 1);
    EXPECT_TRUE(secure.CheckForUpdate("5"));
    EXPECT_TRUE(secure.DownloadUpdate());
    EXPECT_EQ(w.internet.requests,
              (std::vector<std::string>{
                  "https://secure.test/cwl.txt", "https://secure.test/cwl.txt",
                  "https://secure.test/cwlupdate.exe", "https://secure.test/cwlupdate.exe"}));
}

}  // namespace
}  // namespace cw::update
