#pragma once
// Conversions between the texts the settings hold and numbers and times, with the rules
// the program has always applied (leading number, halves to even, numeric test).

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace cw::text {

// The leading number of a text: leading blanks, tabs and line feeds are skipped, blanks
// inside the number are ignored, and reading stops at the first character that cannot
// continue it. "&H" and "&O" prefixes read hexadecimal and octal. No number gives 0.
double Val(std::string_view s);

// Whether the whole text (blanks around it allowed) is one number.
bool IsNumeric(std::string_view s);

// Nearest whole number, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double v);

// Strict conversions of a text to a whole number, as an assignment to a number does it:
// a text that is not numeric raises error 13, a value out of range error 6.
std::int32_t ToLong(std::string_view s);
std::int16_t ToInteger(std::string_view s);
// A number to a 16-bit or 32-bit integer with halves to even; out of range raises error 6.
std::int16_t ToInteger(double v);
std::int32_t ToLong(double v);

// Decimal text of a number without padding (a minus sign for negative numbers).
std::string ToText(long long v);

// "HH:mm" of a time of day.
std::string FormatHHmm(const LocalTime& t);
// "HH:mm:ss" of a time of day.
std::string FormatHHmmss(int hour, int minute, int second);
// A stored text formatted "HH:mm": a time of day such as "7:5" or "21:05:37" (optionally
// with AM or PM) gives "07:05" or "21:05"; any other text is returned unchanged.
std::string FormatTextHHmm(std::string_view s);
// Parses a time of day "h:mm" or "h:mm:ss"; false for anything else.
bool ParseTimeOfDay(std::string_view s, int& hour, int& minute, int& second);

// 1 January 1970 00:00 plus the seconds, as "mmm dd, yyyy   hh:nn:s" (three-letter month,
// two-digit day, four-digit year, three blanks, two-digit hour and minute, seconds without
// a leading zero).
std::string FormatEpochSeconds(double seconds);

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar), and back.
long long DaysFromCivil(int year, int month, int day);
void CivilFromDays(long long days, int& year, int& month, int& day);

// Percent-encodes every byte except the RFC 3986 unreserved characters and those in keep.
std::string PercentEncode(std::string_view s, std::string_view keep = "");

}  // namespace cw::text
