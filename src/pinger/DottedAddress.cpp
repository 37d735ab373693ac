#include "pinger/DottedAddress.h"

#include <vector>

namespace quorvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string_view> SplitAtDots(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    size_t dot = text.find('.', start);
    if (dot == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, dot - start));
    start = dot + 1;
  }
}

bool IsWholeNumber(std::string_view part) {
  if (part.empty()) return false;
  for (char c : part)
    if (!IsDigit(c)) return false;
  return true;
}

// Value of a run of digits, saturated just above the 32-bit range.
int64_t DigitsValue(std::string_view digits) {
  int64_t value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) return int64_t{INT32_MAX} + 1;
  }
  return value;
}

// A part of the lenient conversion: digits with optional blanks around them.
std::optional<int64_t> LenientPartValue(std::string_view part) {
  size_t first = 0;
  while (first < part.size() && IsBlank(part[first])) ++first;
  size_t last = part.size();
  while (last > first && IsBlank(part[last - 1])) --last;
  std::string_view digits = part.substr(first, last - first);
  if (!IsWholeNumber(digits)) return std::nullopt;
  int64_t value = DigitsValue(digits);
  if (value > INT32_MAX) return std::nullopt;  // does not fit the 32-bit conversion
  return value;
}

}  // namespace

bool IsPingHostText(std::string_view host) {
  if (host.empty() || host.size() > 253) return false;
  if (host.find_first_not_of("0123456789.") == std::string_view::npos) return ParseDottedQuad(host).has_value();
  for (std::string_view label : SplitAtDots(host)) {
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
    for (char c : label) {
      const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      if (!letter && !IsDigit(c) && c != '-') return false;
    }
  }
  return true;
}

std::string TrimHostText(std::string_view host) {
  size_t first = 0;
  while (first < host.size() && IsBlank(host[first])) ++first;
  size_t last = host.size();
  while (last > first && IsBlank(host[last - 1])) --last;
  return std::string(host.substr(first, last - first));
}

bool LooksLikeDottedAddress(std::string_view host) {
  if (host.find('.') == std::string_view::npos) return false;
  for (std::string_view part : SplitAtDots(host))
    if (!IsWholeNumber(part)) return false;
  return true;
}

std::optional<std::array<uint8_t, 4>> ParseDottedQuad(std::string_view host) {
  std::vector<std::string_view> parts = SplitAtDots(host);
  if (parts.size() != 4) return std::nullopt;
  std::array<uint8_t, 4> bytes{};
  for (size_t i = 0; i < 4; ++i) {
    if (!IsWholeNumber(parts[i])) return std::nullopt;
    int64_t value = DigitsValue(parts[i]);
    if (value > 255) return std::nullopt;
    bytes[i] = static_cast<uint8_t>(value);
  }
  return bytes;
}

std::optional<int32_t> DottedAddressToLong(std::string_view address) {
  std::vector<std::string_view> parts = SplitAtDots(address);
  if (parts.size() > 4) return std::nullopt;
  if (parts.size() != 4) return 0;
  uint32_t result = 0;
  for (size_t i = 0; i < 4; ++i) {
    std::optional<int64_t> value = LenientPartValue(parts[i]);
    if (!value) return std::nullopt;
    result |= static_cast<uint32_t>(*value & 0xFF) << (8 * i);
  }
  return static_cast<int32_t>(result);
}

std::string AddressBytesToText(const unsigned char* bytes, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) {
    if (i) text += '.';
    text += std::to_string(bytes[i]);
  }
  return text;
}

}  // namespace quorvane
