// The error report over real HTTP through WinINet, against the local test server.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "errors/ErrorReport.h"
#include "errors/ErrorTrap.h"
#include "fakes/FakeDialogs.h"
#include "platform/win32/Win32Internet.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

// Waits (bounded) until the server has logged a line that starts with the prefix.
bool WaitForLog(const std::string& prefix, int timeoutMs = 5000) {
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        for (const std::string& line : TestServer::Log()) {
            if (line.rfind(prefix, 0) == 0) return true;
        }
        Sleep(50);
    }
    return false;
}

int CountRequests(const std::string& needle) {
    auto log = TestServer::Log();
    return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& l) {
        return l.find(needle) != std::string::npos && l.rfind("ABORTED", 0) != 0;
    }));
}

class ErrorReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TestServer::Reset();
        TestServer::Route("/", "body=home");
    }

    ErrorReport Reporter(ConnectionTest& connection) {
        return ErrorReport(connection, *transfer_, dialogs_, TestServer::BaseUrl());
    }

    win32::Win32Internet internet_;
    std::unique_ptr<Transfer> transfer_ = internet_.CreateTransfer("Clearwell");
    fakes::FakeDialogs dialogs_;
    ConnectionTest online_{internet_, {TestServer::BaseUrl() + "/", "Clearwell", 5000}};
    // Nothing listens on port 9 of the loopback address: the site cannot be reached.
    ConnectionTest offline_{internet_, {"http://127.0.0.1:9/", "Clearwell", 5000}};
};

TEST_F(ErrorReportTest, ATrappedErrorInTheLoadSendsOneEncodedGet) {
    ErrorReport report = Reporter(online_);
    ErrorTrap trap(TrapKind::SkipTypeMismatchThenReport, &report, "frmMain,Form_Load");
    trap([] { throw RuntimeError(76); });
    trap([] { throw RuntimeError(13); });
    ASSERT_TRUE(WaitForLog("GET /error-reporting/"));
    Sleep(300);
    auto log = TestServer::Log();
    std::vector<std::string> reports;
    for (const auto& line : log) {
        if (line.find("/error-reporting/") != std::string::npos) reports.push_back(line);
    }
    ASSERT_EQ(reports.size(), 1u) << "error 13 of the load sends nothing";
    EXPECT_EQ(reports[0],
              "GET /error-reporting/error-msg.php?,,,,frmMain,Form_Load76Path%20not%20found "
              "HTTP/1.1");
}

TEST_F(ErrorReportTest, OfflineNothingIsSentAndTheRoutineGoesOnQuickly) {
    ErrorReport report = Reporter(offline_);
    ErrorTrap trap(TrapKind::ReportAndContinue, &report, "frmMain,Form_Unload");
    bool resumed = false;
    DWORD start = GetTickCount();
    trap([] { throw RuntimeError(76); });
    trap([&] { resumed = true; });
    EXPECT_TRUE(resumed);
    EXPECT_LT(GetTickCount() - start, 6000u) << "the connection test is bounded";
    Sleep(300);
    EXPECT_EQ(CountRequests("/error-reporting/"), 0) << "the report server is up but unused";
}

TEST_F(ErrorReportTest, TheConnectionTestGivesUpOnASiteThatDoesNotAnswer) {
    TestServer::Route("/silent", "delay=8000");
    ConnectionTest silent(internet_, {TestServer::BaseUrl() + "/silent", "Clearwell", 1000});
    DWORD start = GetTickCount();
    EXPECT_FALSE(silent.TestConnection());
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_TRUE(online_.TestConnection());
}

TEST_F(ErrorReportTest, ASecondReportCancelsTheFirstTransfer) {
    ErrorReport report = Reporter(online_);
    // The first report's answer trickles in; the second report must not wait for it.
    TestServer::Route("/error-reporting/error-msg.php", "size=4000&trickle=50");
    report.ReportError("frmMain,First", RuntimeError(5));
    ASSERT_TRUE(WaitForLog("GET /error-reporting/error-msg.php?,,,,frmMain,First"));
    Sleep(200);
    report.ReportError("frmMain,Second", RuntimeError(6));
    EXPECT_TRUE(WaitForLog("ABORTED GET /error-reporting/error-msg.php?,,,,frmMain,First", 8000));
    EXPECT_EQ(CountRequests("frmMain,Second6Overflow"), 1);
}

}  // namespace
}  // namespace cw::testing
