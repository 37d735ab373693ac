#include "memory/CpuUsageSampler.h"

#include "memory/clsCPUUsage.h"
#include "memory/clsCPUUsageNT.h"
#include "memory/modFreeRam.h"

namespace quorvane {

std::unique_ptr<CpuUsageSampler> CreateCpuUsageSampler() {
  if (IsNTPlatform()) return std::make_unique<clsCPUUsageNT>();
  return std::make_unique<clsCPUUsage>();
}

}  // namespace quorvane
