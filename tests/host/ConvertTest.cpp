#include <gtest/gtest.h>

#include "errors/RuntimeError.h"
#include "text/Ansi.h"
#include "text/Convert.h"

namespace cw::text {
namespace {

TEST(ConvertTest, ValReadsTheLeadingNumberOfAText) {
    EXPECT_EQ(Val("6\r\n"), 6);
    EXPECT_EQ(Val("  12 34abc"), 1234);
    EXPECT_EQ(Val("7 sha256=00"), 7);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("-2.5e1x"), -25);
    EXPECT_EQ(Val("&H1F"), 31);
    EXPECT_EQ(Val("1,000"), 1);
}

TEST(ConvertTest, NumericTestAndStrictConversions) {
    EXPECT_TRUE(IsNumeric(" 5 ") && IsNumeric("-1.5e3"));
    EXPECT_FALSE(IsNumeric("abc") || IsNumeric("") || IsNumeric("1 2") || IsNumeric("5x"));
    EXPECT_EQ(std::tuple(ToLong("1"), ToLong("2.5"), ToLong("3.5")), std::tuple(1, 2, 4));
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

// (Halves to even: SystemInfoPageTest's kilobytes.)
TEST(ConvertTest, TimeTextsFormatAsHoursAndMinutes) {
    EXPECT_EQ(FormatTextHHmm("21:05:37"), "21:05");
    EXPECT_EQ(FormatTextHHmm("7:5"), "07:05");
    EXPECT_EQ(FormatTextHHmm("9:30 PM"), "21:30");
    EXPECT_EQ(FormatTextHHmm(""), "");
    EXPECT_EQ(FormatTextHHmm("later"), "later");
    EXPECT_EQ(FormatTextHHmm("25:00"), "25:00");
    EXPECT_EQ(FormatHHmm({2024, 1, 1, 1, 3, 7, 0, 0}), "03:07");
    EXPECT_EQ(FormatHHmmss(7, 30, 5), "07:30:05");
}

TEST(ConvertTest, EpochSecondsFormatLikeTheCookieViewer) {
    EXPECT_EQ(FormatEpochSeconds(0), "Jan 01, 1970   00:00:0");
    EXPECT_EQ(FormatEpochSeconds(1000000000), "Sep 09, 2001   01:46:40");
    EXPECT_EQ(FormatEpochSeconds(951782400), "Feb 29, 2000   00:00:0");
}

TEST(ConvertTest, CaseIgnoringSearchCoversAnsiLetters) {
    EXPECT_EQ(FindNoCase("C:\\Documents\\MOZILLA\\Profiles", "mozilla\\profiles"), 13u);
    EXPECT_TRUE(EqualsNoCase("\xE9t\xE9", "\xC9T\xC9"));  // été / ÉTÉ in Windows-1252
    EXPECT_EQ(UpperAnsi("hourly"), "HOURLY");
    EXPECT_EQ(Trim("  a b  "), "a b");
}

}  // namespace
}  // namespace cw::text
