#include <gtest/gtest.h>

#include "errors/ErrorReport.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeInternet.h"

namespace cw {
namespace {

class ErrorReportTest : public ::testing::Test {
  protected:
    ErrorReportTest() { internet_.SetReachable("http://site/", true); }

    fakes::FakeInternet internet_;
    fakes::FakeDialogs dialogs_;
    ConnectionTest connection_{internet_, {"http://site/", "Clearwell", 5000}};
    std::unique_ptr<Transfer> inet_ = internet_.CreateTransfer("Clearwell");
    ErrorReport report_{connection_, *inet_, dialogs_, "http://maker.example/"};
};

TEST_F(ErrorReportTest, ReportsOneEncodedGetWithTheFieldsInOrder) {
    report_.ReportError("frmMain,Form_Load", RuntimeError(76));
    ASSERT_EQ(internet_.requests.size(), 1u);
    EXPECT_EQ(internet_.requests[0],
              "http://maker.example/error-reporting/error-msg.php?,,,,frmMain,Form_Load76"
              "Path%20not%20found");
    report_.ReportError("frmMain,x", RuntimeError(-5, "a&b=c?#"));
    EXPECT_EQ(internet_.requests[1],
              "http://maker.example/error-reporting/error-msg.php?,,,,frmMain,x-5a%26b%3Dc%3F%23");
}

TEST_F(ErrorReportTest, NothingIsSentForErrorZeroOrWhileOffline) {
    report_.ReportError("frmMain,Form_Load", RuntimeError(0, ""));
    EXPECT_TRUE(internet_.requests.empty());
    internet_.SetReachable("http://site/", false);
    report_.ReportError("frmMain,Form_Load", RuntimeError(76));
    EXPECT_TRUE(internet_.requests.empty());
    EXPECT_EQ(internet_.probes.size(), 1u) << "only a real error needs the connection test";
}

TEST_F(ErrorReportTest, ASecondReportCancelsTheFirstTransfer) {
    internet_.Serve(ErrorReport::BuildUrl("http://maker.example/", "a,b", 5,
                                          "Invalid procedure call or argument"),
                    "", 1000);
    report_.ReportError("a,b", RuntimeError(5));
    EXPECT_TRUE(inet_->StillExecuting());
    int cancelsBefore = internet_.cancels;
    report_.ReportError("a,c", RuntimeError(6));
    EXPECT_GT(internet_.cancels, cancelsBefore);
    EXPECT_EQ(internet_.requests.size(), 2u);
    EXPECT_EQ(dialogs_.doEventsCalls, 0) << "a cancelled transfer stops at once";
}

}  // namespace
}  // namespace cw
