#include "memory/RamAlarmRules.h"

#include <cstdint>

#include "common/NumberText.h"

namespace quorvane {

namespace {

std::optional<int32_t> BoxNumber(std::string_view text, int32_t maximum) {
  const std::optional<int64_t> number = BoxWholeNumber(text, 0, maximum);
  if (!number) return std::nullopt;
  return static_cast<int32_t>(*number);
}

}  // namespace

std::optional<int32_t> AlarmLevelFromText(std::string_view text) { return BoxNumber(text, INT32_MAX); }

std::optional<int32_t> FreeAmountFromText(std::string_view text) { return BoxNumber(text, kMostMegabytesPerPass); }

}  // namespace quorvane
