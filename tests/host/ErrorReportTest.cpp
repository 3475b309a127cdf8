#include "report/ErrorReport.h"

#include <gtest/gtest.h>

#include "host/UpdateTestWorld.h"

namespace cw::update::testing {
namespace {

struct ErrorReportTest : ::testing::Test, UpdateWorld {
    ErrorReport report{connection, *transfer, dialogs, "http://maker.example/"};
};

// (A report starting while another is under way: the transfer contract's Start and Cancel.)
TEST_F(ErrorReportTest, DescriptionsAreEncodedAndErrorZeroNeedsNoConnectionTest) {
    report.ReportError("frmMain,x", RuntimeError(-5, "a&b=c?# d"));
    report.ReportError("frmMain,Form_Load", RuntimeError(0, ""));
    report.ReportError("frmMain,y", RuntimeError(6, "Overflow"));
    EXPECT_EQ(
        internet.requests,
        (std::vector<std::string>{
            "http://maker.example/error-reporting/error-msg.php?,,,,frmMain,x-5a%26b%3Dc%3F%23%20d",
            "http://maker.example/error-reporting/error-msg.php?,,,,frmMain,y6Overflow"}));
    EXPECT_EQ(internet.probes.size(), 2u) << "only a real error needs the connection test";
}

}  // namespace
}  // namespace cw::update::testing
