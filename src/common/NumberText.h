// Number and text rules shared by the registry writer, the backup files and the
// input boxes. Pure functions: no <windows.h>, so they also build on the host.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Rounds half to even and converts to a signed 32-bit integer; nothing when the
// rounded number lies outside -2147483648..2147483647 or is not a number at all.
std::optional<int32_t> ToInt32(double value);

// The value of the leading numeric part of a text: leading blanks skipped, an
// optional sign, digits and an optional decimal fraction. 0 when there is none
// ("abc" -> 0, "005" -> 5, "12.5x" -> 12.5, "-7" -> -7).
double LeadingNumber(std::string_view text);

// True when the whole text (surrounding blanks allowed) is one decimal number,
// optionally signed and with a fraction, and stores it in *value.
bool ParseNumber(std::string_view text, double* value);

// A whole number in the strict form of the backup files: an optional minus sign
// and decimal digits, nothing else. Nothing when malformed or beyond 64 bits.
std::optional<int64_t> ParseWholeNumber(std::string_view text);

// The text of a number box: decimal digits only (no sign, blank, point or
// exponent), as Windows' own number boxes take them, spelling a number from
// minimum to maximum. Nothing otherwise ("+5", " 5", "5e2", "3.0", "").
std::optional<int64_t> BoxWholeNumber(std::string_view text, int64_t minimum, int64_t maximum);

// What such a box accepts, as its refusal tells it: "a whole number from 1 to 255".
std::string WholeNumberRangeText(int64_t minimum, int64_t maximum);

// Decimal text of a number: whole numbers without a fraction ("1500", "-1"),
// others with up to 15 significant digits.
std::string NumberToText(double value);

}  // namespace quorvane

namespace quorvane {

// The whole number a text's leading decimal digits spell, with an optional minus
// sign before them; 0 when the text does not begin with one. Saturates far beyond
// 32 bits.
int64_t LeadingInteger(std::string_view text);

}  // namespace quorvane

namespace quorvane {

// The text rules of input boxes, where an exponent counts as part of a number
// ("1e3" is 1000), as users of classic form-based programs expect.

// True when the whole text (surrounding blanks allowed) reads as one number: an
// optional sign, digits with an optional decimal fraction, an optional exponent.
bool IsNumericText(std::string_view text);

// The value of the text's leading numeric part, exponent included; 0 when there
// is none ("12abc" -> 12, "2e3x" -> 2000, "abc" -> 0).
double LeadingValue(std::string_view text);

// A numeric text as a whole number, halves rounded to the even neighbour; nothing
// when the text is not numeric or the number lies outside the 32-bit (16-bit) range.
std::optional<int32_t> TextToInt32(std::string_view text);
std::optional<int16_t> TextToInt16(std::string_view text);

}  // namespace quorvane
