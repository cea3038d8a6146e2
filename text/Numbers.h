// Number texts of the file selection dialog: comma groups, three-digit
// padding, the shortest float text and the "#,###" pattern. No Windows here.
#pragma once

#include <cstdint>
#include <string>

// Decimal text of n with "," between groups of three digits: 0 -> "0",
// 1000 -> "1,000", 2147483647 -> "2,147,483,647". A negative number keeps its
// minus sign in front of the grouped digits of its magnitude: -1234 ->
// "-1,234", INT32_MIN -> "-2,147,483,648" (grouping each signed part on its
// own would give texts such as "-1,00-234").
std::string IntToCommaStr(int32_t n);

// The same for 64-bit values: 123456 -> "123,456", 80023715840 ->
// "80,023,715,840". Negative values are grouped after their sign: -123456 ->
// "-123,456" (the minus sign is never counted as a digit of a group).
std::string Int64ToCommaStr(int64_t v);

// n with leading zeros to three digits: 0 -> "000", 7 -> "007", 42 -> "042",
// 999 -> "999". Meant for 0..999; a larger n is written in full, a negative n
// as "-" followed by its padded magnitude.
std::string ZeroPad3(int n);

// Shortest general text of v with up to 15 significant digits: no thousands
// separators, no trailing zeros, no decimal separator for whole numbers
// (74.52, 0.5, 1, 1024). Values whose integer part has more than 15 digits or
// whose magnitude is below 0.00001 are written in scientific form ("1E15",
// "1.5E-6"). NaN and infinities give "NAN", "INF" and "-INF".
std::string FloatToStr(double v, char decimalSep = '.');

// v written with the pattern "#,###": rounded to a whole number (halves away
// from zero), digits in groups of three separated by sep, and no digit at all
// when the rounded value is zero. Non-finite values give "".
std::string FormatThousands(double v, char sep);

// Groups a text of decimal digits (no sign) in threes from the right. A
// separator of '\0' (a locale without one) leaves the digits ungrouped; so do
// FormatThousands and the size column.
std::string GroupDigits(const std::string& digits, char sep);
