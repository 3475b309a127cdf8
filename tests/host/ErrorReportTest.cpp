#include <gtest/gtest.h>

#include "fakes/FakeDialogs.h"
#include "fakes/FakeInternet.h"
#include "report/ErrorReport.h"

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

// (A report starting while another is under way: the transfer contract's Start and Cancel.)
TEST_F(ErrorReportTest, DescriptionsAreEncodedAndErrorZeroNeedsNoConnectionTest) {
    report_.ReportError("frmMain,x", RuntimeError(-5, "a&b=c?# d"));
    report_.ReportError("frmMain,Form_Load", RuntimeError(0, ""));
    report_.ReportError("frmMain,y", RuntimeError(6, "Overflow"));
    EXPECT_EQ(
        internet_.requests,
        (std::vector<std::string>{
            "http://maker.example/error-reporting/error-msg.php?,,,,frmMain,x-5a%26b%3Dc%3F%23%20d",
            "http://maker.example/error-reporting/error-msg.php?,,,,frmMain,y6Overflow"}));
    EXPECT_EQ(internet_.probes.size(), 2u) << "only a real error needs the connection test";
}

}  // namespace
}  // namespace cw
