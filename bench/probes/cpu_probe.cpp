#include "cpu_probe.h"

#include <cstdio>
#include <cstring>

#include "memory/clsCPUUsageNT.h"

namespace quorvane::probes {

int ServeCpuSampler() {
  clsCPUUsageNT sampler;
  sampler.Initialize();
  std::printf("ready\n");
  std::fflush(stdout);
  char line[64];
  while (std::fgets(line, sizeof line, stdin)) {
    if (line[0] == 'x') break;
    if (line[0] == 'q') {
      std::printf("%d\n", sampler.Query());
      std::fflush(stdout);
    }
  }
  return 0;
}

}  // namespace quorvane::probes
