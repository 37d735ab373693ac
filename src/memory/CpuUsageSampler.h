// How busy the processor has been, measured by whichever sampler fits the
// running Windows. The system monitor owns one and the low-memory alarm asks
// it too, so each Query covers the time since the previous Query of either caller.
#pragma once

#include <cstdint>
#include <memory>

namespace quorvane {

class CpuUsageSampler {
 public:
  virtual ~CpuUsageSampler() = default;

  // Starts measuring; called once, right after creation.
  virtual void Initialize() = 0;

  // Usage in percent (0 to 100), or -1 when the system could not be asked.
  virtual int32_t Query() = 0;

  // Stops what Initialize started.
  virtual void Terminate() = 0;
};

// clsCPUUsageNT on the NT platform, clsCPUUsage on Windows 95, 98 and ME; not
// yet initialized.
std::unique_ptr<CpuUsageSampler> CreateCpuUsageSampler();

}  // namespace quorvane
