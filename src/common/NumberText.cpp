#include "common/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace quorvane {

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  double floorValue = std::floor(value);
  double fraction = value - floorValue;
  if (fraction > 0.5) return floorValue + 1.0;
  if (fraction < 0.5) return floorValue;
  return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

std::optional<int32_t> ToInt32(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double rounded = RoundHalfEven(value);
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Scans sign, digits, fraction and (when allowed) a complete exponent ("e",
// optional sign, digits; "2e" keeps only the 2) from pos; returns the end of the
// numeric part (pos itself when there is none) and its value.
enum class Exponent { No, Allowed };

size_t ScanNumber(std::string_view text, size_t pos, Exponent exponentRule, double* value) {
  size_t i = pos;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  double result = 0.0;
  bool anyDigit = false;
  while (i < text.size() && IsDigit(text[i])) {
    result = result * 10.0 + (text[i++] - '0');
    anyDigit = true;
  }
  if (i < text.size() && text[i] == '.') {
    size_t afterPoint = i + 1;
    double scale = 0.1;
    size_t j = afterPoint;
    while (j < text.size() && IsDigit(text[j])) {
      result += (text[j++] - '0') * scale;
      scale /= 10.0;
    }
    if (j > afterPoint || anyDigit) {
      anyDigit = anyDigit || j > afterPoint;
      i = j;
    }
  }
  if (!anyDigit) return pos;
  *value = negative ? -result : result;
  if (exponentRule == Exponent::No || i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return i;
  size_t e = i + 1;
  bool negativeExponent = false;
  if (e < text.size() && (text[e] == '+' || text[e] == '-')) negativeExponent = text[e++] == '-';
  const size_t digitsStart = e;
  int exponent = 0;
  while (e < text.size() && IsDigit(text[e])) {
    if (exponent < 10000) exponent = exponent * 10 + (text[e] - '0');
    ++e;
  }
  if (e == digitsStart) return i;
  *value *= std::pow(10.0, negativeExponent ? -exponent : exponent);
  return e;
}

size_t SkipBlanks(std::string_view text, size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

// The value of the text's leading numeric part; 0 when there is none.
double LeadingPart(std::string_view text, Exponent exponentRule) {
  const size_t pos = SkipBlanks(text, 0);
  double value = 0.0;
  return ScanNumber(text, pos, exponentRule, &value) == pos ? 0.0 : value;
}

// True when the whole text, blanks around it allowed, is one number.
bool WholeText(std::string_view text, Exponent exponentRule, double* value) {
  const size_t pos = SkipBlanks(text, 0);
  double parsed = 0.0;
  const size_t end = ScanNumber(text, pos, exponentRule, &parsed);
  if (end == pos || SkipBlanks(text, end) != text.size()) return false;
  *value = parsed;
  return true;
}

}  // namespace

double LeadingNumber(std::string_view text) { return LeadingPart(text, Exponent::No); }

bool ParseNumber(std::string_view text, double* value) { return WholeText(text, Exponent::No, value); }

std::optional<int64_t> ParseWholeNumber(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    i = 1;
  }
  if (i == text.size() || text.size() - i > 18) return std::nullopt;
  int64_t result = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    result = result * 10 + (text[i] - '0');
  }
  return negative ? -result : result;
}

std::optional<int64_t> BoxWholeNumber(std::string_view text, int64_t minimum, int64_t maximum) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return std::nullopt;
  // Leading zeros spell nothing; past 18 digits the number is beyond every box's range.
  const size_t first = std::min(text.find_first_not_of('0'), text.size());
  if (text.size() - first > 18) return std::nullopt;
  int64_t value = 0;
  for (size_t i = first; i < text.size(); ++i) value = value * 10 + (text[i] - '0');
  if (value < minimum || value > maximum) return std::nullopt;
  return value;
}

std::string WholeNumberRangeText(int64_t minimum, int64_t maximum) {
  return "a whole number from " + std::to_string(minimum) + " to " + std::to_string(maximum);
}

std::string NumberToText(double value) {
  char buffer[40];
  if (value == 0.0) return "0";
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
  }
  return buffer;
}

}  // namespace quorvane

namespace quorvane {

int64_t LeadingInteger(std::string_view text) {
  size_t i = 0;
  bool negative = !text.empty() && text[0] == '-';
  if (negative) i = 1;
  int64_t result = 0;
  // Stops growing before it could overflow: the caller only asks whether the
  // number fits 32 bits.
  constexpr int64_t kCeiling = 1000000000000000000LL;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    result = result > kCeiling / 10 ? kCeiling : std::min(kCeiling, result * 10 + (text[i] - '0'));
  }
  return negative ? -result : result;
}

}  // namespace quorvane

namespace quorvane {

bool IsNumericText(std::string_view text) {
  double value = 0.0;
  return WholeText(text, Exponent::Allowed, &value) && std::isfinite(value);
}

double LeadingValue(std::string_view text) { return LeadingPart(text, Exponent::Allowed); }

std::optional<int32_t> TextToInt32(std::string_view text) {
  if (!IsNumericText(text)) return std::nullopt;
  return ToInt32(LeadingValue(text));
}

std::optional<int16_t> TextToInt16(std::string_view text) {
  auto whole = TextToInt32(text);
  if (!whole || *whole < -32768 || *whole > 32767) return std::nullopt;
  return static_cast<int16_t>(*whole);
}

}  // namespace quorvane
