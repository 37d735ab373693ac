// The number and text rules on any text, and on any double the input's first
// bytes spell. The scanners must agree where their forms overlap.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/NumberText.h"

using namespace quorvane;

namespace {

void Require(bool holds, const char* what, std::string_view text) {
  if (holds) return;
  std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

void CheckValue(double value) {
  RoundHalfEven(value);
  const std::string text = NumberToText(value);
  // Next to the largest double, the 15-digit text rounds past it and reads as infinity.
  if (!(std::fabs(value) < 1e308)) return;
  Require(IsNumericText(text), "a number's text is not numeric", text);
  if (value == std::floor(value) && std::fabs(value) < 1e15)
    Require(TextToInt32(text) == ToInt32(value), "a whole number's text converts differently", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);

  double parsed = 0;
  if (ParseNumber(text, &parsed))
    Require(LeadingNumber(text) == parsed, "a whole-text number reads differently as a leading one", text);

  const int64_t leading = LeadingInteger(text);
  if (auto whole = ParseWholeNumber(text)) {
    Require(leading == *whole, "the two whole-number readers disagree", text);
    Require(ParseWholeNumber(std::to_string(*whole)) == whole, "a whole number does not read back", text);
  }

  if (IsNumericText(text)) CheckValue(LeadingValue(text));
  if (auto small = TextToInt16(text)) Require(TextToInt32(text) == *small, "16 and 32 bits disagree", text);

  double value;
  if (size >= sizeof value) {
    std::memcpy(&value, data, sizeof value);
    CheckValue(value);
  }
  return 0;
}
