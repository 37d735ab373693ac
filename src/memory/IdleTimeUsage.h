// Processor usage from the system's idle time, as the NT sampler computes it.
// Pure arithmetic, no <windows.h>.
//
// Times are 100-nanosecond counts. They are handled as fixed-point numbers
// with four decimal places (the count divided by 10000), and the ratio and the
// final figure are rounded to four places before the whole percent is taken,
// so results match the figures the program has always shown.
#pragma once

#include <cstdint>
#include <optional>

namespace quorvane {

struct IdleTimeSample {
  int64_t idleTime = 0;    // idle time of all processors together
  int64_t systemTime = 0;  // current system time
  int processors = 1;
};

// Usage in whole percent between two samples: 100 - idle share / processors,
// rounded to the nearest percent and kept within 0 to 100 (the idle and the
// system clocks are read one after the other, so a quiet machine can show a
// little more idle time than time passed). Nothing when no system time passed.
std::optional<int32_t> UsageBetween(int64_t idleDifference, int64_t systemDifference, int processors);

// The sampler's state between queries.
class IdleTimeUsage {
 public:
  // The first sample; nothing (a failed read) leaves the start at zero.
  void Start(const std::optional<IdleTimeSample>& first);

  // Usage since the previous sample, which the new one then replaces.
  // -1 for a failed read: the previous sample stays, so the next good one
  // covers both intervals. When no system time has passed (two callers within
  // one clock tick) the previous result is returned and the sample kept.
  int32_t Next(const std::optional<IdleTimeSample>& now);

 private:
  int64_t previousIdle_ = 0;
  int64_t previousSystem_ = 0;
  int32_t lastResult_ = 0;
};

}  // namespace quorvane
