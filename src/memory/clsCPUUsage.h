// Processor usage on Windows 95, 98 and ME: the kernel's own usage counter,
// published under the dynamic-data registry root. Reading the counter's value
// under "StartStat" starts it, under "StopStat" stops it; "StatData" holds the
// current figure.
#pragma once

#include <windows.h>

#include "memory/CpuUsageSampler.h"
#include "registry/RegKey.h"

namespace quorvane {

inline constexpr char kPerfStartKey[] = "PerfStats\\StartStat";
inline constexpr char kPerfDataKey[] = "PerfStats\\StatData";
inline constexpr char kPerfStopKey[] = "PerfStats\\StopStat";
inline constexpr char kCpuUsageValue[] = "KERNEL\\CPUUsage";

class clsCPUUsage : public CpuUsageSampler {
 public:
  // Starts the counter and opens the data key, which stays open. Without the
  // start key (not a 9x system) nothing is opened.
  void Initialize() override;
  // The counter's value in percent; the last value read (0 at first) when it
  // cannot be read.
  int32_t Query() override;
  // Closes the data key and stops the counter.
  void Terminate() override;

  bool HasDataKey() const { return static_cast<bool>(dataKey_); }

 private:
  RegKey dataKey_;
  DWORD value_ = 0;
};

}  // namespace quorvane
