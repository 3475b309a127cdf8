#include <gtest/gtest.h>

#include "errors/RuntimeError.h"
#include "text/Ansi.h"
#include "text/Convert.h"

namespace cw::text {
namespace {

TEST(ConvertTest, ValReadsTheLeadingNumberOfAText) {
    EXPECT_EQ(Val("  12 34abc"), 1234);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("-2.5e1x"), -25);
    EXPECT_EQ(Val("&H1F"), 31);
    EXPECT_EQ(Val("1,000"), 1);
}

// (Halves to even: UpdateFormatsTest's version file, SystemInfoPageTest's kilobytes.)
TEST(ConvertTest, NumericTestAndStrictConversions) {
    EXPECT_TRUE(IsNumeric(" 5 ") && IsNumeric("-1.5e3"));
    EXPECT_FALSE(IsNumeric("abc") || IsNumeric("") || IsNumeric("1 2") || IsNumeric("5x"));
    try {
        ToLong("abc");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, 13);
    }
    try {
        ToInteger("40000");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, 6);
    }
}

TEST(ConvertTest, TimeTextsFormatAsHoursAndMinutes) {
    EXPECT_EQ(FormatTextHHmm("7:5"), "07:05");
    EXPECT_EQ(FormatTextHHmm("9:30 PM"), "21:30");
}

TEST(ConvertTest, EpochSecondsFormatLikeTheCookieViewer) {
    EXPECT_EQ(FormatEpochSeconds(1000000000), "Sep 09, 2001   01:46:40");
    EXPECT_EQ(FormatEpochSeconds(951782400), "Feb 29, 2000   00:00:0");
}

TEST(ConvertTest, CaseIgnoringComparisonCoversAnsiLetters) {
    EXPECT_TRUE(EqualsNoCase("\xE9t\xE9", "\xC9T\xC9"));  // été / ÉTÉ in Windows-1252
}

}  // namespace
}  // namespace cw::text
