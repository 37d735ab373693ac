// Processor usage on the NT family, from the system's idle time as
// NtQuerySystemInformation reports it.
#pragma once

#include <optional>

#include "memory/CpuUsageSampler.h"
#include "memory/IdleTimeUsage.h"

namespace quorvane {

class clsCPUUsageNT : public CpuUsageSampler {
 public:
  // Takes the first idle-time and system-time sample.
  void Initialize() override;
  // Usage since the previous sample, or -1 when the system could not be asked.
  int32_t Query() override;
  // Nothing to stop.
  void Terminate() override {}

  // Number of processors, idle time and system time as the system reports
  // them now; nothing when one of the queries fails.
  static std::optional<IdleTimeSample> ReadSample();

 private:
  IdleTimeUsage usage_;
};

}  // namespace quorvane
