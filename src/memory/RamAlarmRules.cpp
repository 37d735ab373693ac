#include "memory/RamAlarmRules.h"

#include "common/NumberText.h"

namespace quorvane {

std::optional<int32_t> AlarmLevelFromText(std::string_view text) {
  std::optional<int32_t> level = TextToInt32(text);
  if (!level || LeadingValue(text) < 0) return std::nullopt;
  return level;
}

std::optional<int32_t> FreeAmountFromText(std::string_view text) {
  if (!IsNumericText(text)) return std::nullopt;
  const double amount = LeadingValue(text);
  if (amount < 0 || amount > kMostMegabytesPerPass) return std::nullopt;
  return TextToInt32(text);
}

}  // namespace quorvane
