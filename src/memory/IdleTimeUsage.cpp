#include "memory/IdleTimeUsage.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

// Fixed-point numbers with four decimal places: the value times 10000.
constexpr int64_t kFixedScale = 10000;

int64_t ToFixedRoundedHalfEven(double value) {
  double scaled = value * kFixedScale;
  double floorValue = std::floor(scaled);
  double fraction = scaled - floorValue;
  int64_t result = static_cast<int64_t>(floorValue);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return result;
}

int64_t FloorDivide(int64_t value, int64_t divisor) {
  int64_t quotient = value / divisor;
  if (value % divisor != 0 && value < 0) --quotient;
  return quotient;
}

}  // namespace

std::optional<int32_t> UsageBetween(int64_t idleDifference, int64_t systemDifference, int processors) {
  if (systemDifference == 0) return std::nullopt;
  // The counts copied into fixed-point form are the counts divided by 10000;
  // the scale cancels in the ratio.
  int64_t ratio = ToFixedRoundedHalfEven(static_cast<double>(idleDifference) / static_cast<double>(systemDifference));
  int64_t percentIdle = ratio * 100;
  double perProcessor = static_cast<double>(percentIdle) / kFixedScale / std::max(processors, 1);
  int64_t usage = ToFixedRoundedHalfEven(100.0 - perProcessor + 0.5);
  int64_t wholePercent = FloorDivide(usage, kFixedScale);
  return static_cast<int32_t>(std::clamp<int64_t>(wholePercent, 0, 100));
}

void IdleTimeUsage::Start(const std::optional<IdleTimeSample>& first) {
  if (!first) return;
  previousIdle_ = first->idleTime;
  previousSystem_ = first->systemTime;
}

int32_t IdleTimeUsage::Next(const std::optional<IdleTimeSample>& now) {
  if (!now) return -1;
  std::optional<int32_t> usage =
      UsageBetween(now->idleTime - previousIdle_, now->systemTime - previousSystem_, now->processors);
  if (!usage) return lastResult_;
  previousIdle_ = now->idleTime;
  previousSystem_ = now->systemTime;
  lastResult_ = *usage;
  return lastResult_;
}

}  // namespace quorvane
