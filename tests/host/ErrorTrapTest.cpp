#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "errors/ErrorTrap.h"
#include "fakes/RecordingErrorSink.h"
#include "platform/Status.h"

namespace cw {
namespace {

std::vector<int> RunThree(ErrorTrap& trap) {
    std::vector<int> ran;
    trap([&] {
        ran.push_back(1);
        throw RuntimeError(76);
    });
    trap([&] {
        ran.push_back(2);
        throw RuntimeError(err::kTypeMismatch);
    });
    trap([&] { ran.push_back(3); });
    return ran;
}

TEST(ErrorTrapTest,
     EachKindHandlesAFailingStatementAsTheProgramDoesAndStandardExceptionsBecomeErrors) {
    fakes::RecordingErrorSink sink;
    ErrorTrap report(TrapKind::ReportAndContinue, &sink, "frmMain,Form_Unload");
    EXPECT_EQ(RunThree(report), (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(sink.reports.size(), 2u);
    EXPECT_EQ(std::tuple(sink.reports[0].tag, sink.reports[0].number, sink.reports[0].description),
              std::tuple("frmMain,Form_Unload", 76, "Path not found"));

    sink.reports.clear();
    ErrorTrap skip(TrapKind::Skip, &sink, "x");
    EXPECT_EQ(RunThree(skip), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(sink.reports.empty() && skip.LastError() == 13);

    ErrorTrap end(TrapKind::EndSilently, &sink, "x");
    EXPECT_EQ(RunThree(end), std::vector<int>{1});
    EXPECT_TRUE(end.Ended() && sink.reports.empty());

    ErrorTrap trap(TrapKind::ReportAndContinue, &sink, "Module,x");
    trap([] { throw std::out_of_range("index"); });
    trap([] { throw std::bad_alloc(); });
    trap([] { throw std::runtime_error("other"); });
    ASSERT_EQ(sink.reports.size(), 3u);
    EXPECT_EQ(std::tuple(sink.reports[0].number, sink.reports[1].number, sink.reports[2].number),
              std::tuple(9, 7, 5));
    EXPECT_EQ(ErrorNumberFromStatus(kErrorAccessDenied), 75);
    EXPECT_EQ(ErrorNumberFromStatus(kErrorPathNotFound), 76);
    EXPECT_EQ(ErrorNumberFromStatus(kErrorDiskFull), 61);
}

}  // namespace
}  // namespace cw
