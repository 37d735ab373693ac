#include "optimizer/advanced/AdvancedWizardRules.h"

#include "common/NumberText.h"

namespace quorvane {

const char* const kWizardPageCaptions[kWizardPageCount] = {
    "Step 1 of 8 : Connection type",
    "Step 2 of 8 : MTU Settings",
    "Step 3 of 8 : Other MTU Settings",
    "Step 4 of 8 : RWIN Settings",
    "Step 5 of 8 : TTL && IE Optimization",
    "Step 6 of 8 :  Keep Alive Settigns",
    "Step 7 of 8 :  SYN Flood Attack Settings && NDI Cache",
    "Step 8 of 8 : ICMP Redirect Attack Setting",
};

const ConnectionRecommendation kConnectionTypes[kConnectionTypeCount] = {
    {"Dial Up Connection (Modem).", 576, "576 Byte", 536, "536 Byte", 3},
    {"Cable Modem.", 1500, "1500 Byte", 1460, "1460 Byte", 44},
    {"Digital Subscriber Line (DSL).", 1492, "1492 Byte", 1452, "1452Byte", 44},
    {"LAN Connection(Ethernet).", 1500, "1500 Byte", 1460, "1460 Byte", 44},
};

const ConnectionRecommendation& RecommendationFor(int connectionType) {
  if (connectionType < 0 || connectionType >= kConnectionTypeCount) return kConnectionTypes[0];
  return kConnectionTypes[connectionType];
}

bool GuardAccepts(std::string_view text, Bounds bounds) {
  const std::optional<int64_t> value = BoxWholeNumber(text, 0, bounds.maximum);
  if (!value) return false;
  return *value >= bounds.minimum || (*value > 0 && *value * 10 <= bounds.maximum);
}

std::optional<int32_t> BoundedValue(std::string_view text, Bounds bounds) {
  const std::optional<int64_t> value = BoxWholeNumber(text, bounds.minimum, bounds.maximum);
  if (!value) return std::nullopt;
  return static_cast<int32_t>(*value);
}

std::string DescribeBounds(Bounds bounds) {
  return std::string(bounds.field) + ": " + WholeNumberRangeText(bounds.minimum, bounds.maximum) + ".";
}

std::string ReceiveWindowText(int32_t mss, std::string_view multiplierText, std::string_view scaleFactorText) {
  return NumberToText(static_cast<double>(mss) * LeadingValue(multiplierText) * LeadingValue(scaleFactorText));
}

bool MultiplierRejected(int32_t mss, std::string_view receiveWindowText) {
  if (!IsNumericText(receiveWindowText)) return true;  // "inf", "nan": far beyond any window
  double rwin = LeadingValue(receiveWindowText);
  return rwin > kLargestReceiveWindow || static_cast<double>(mss) > rwin;
}

std::string ReceiveWindowLabel(int32_t rwin) { return std::to_string(rwin) + "Bytes"; }

}  // namespace quorvane
