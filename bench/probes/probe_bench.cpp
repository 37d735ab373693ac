// The system probes' benchmark, run under Wine by scripts/bench-probes.sh:
//   probe_bench ping [rounds] [pings]   PingHost against a bare echo loop
//   probe_bench free [rounds] [MB]      FreeUpMemory against memset
//   probe_bench cpu                     the NT sampler, driven over stdin
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cpu_probe.h"
#include "free_bench.h"
#include "ping_bench.h"

namespace {

int Argument(int argc, char** argv, int index, int fallback) {
  return argc > index ? std::atoi(argv[index]) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quorvane::probes;
  if (argc >= 2 && std::strcmp(argv[1], "ping") == 0)
    return RunPingBench(Argument(argc, argv, 2, 7), Argument(argc, argv, 3, 200)) ? 0 : 1;
  if (argc >= 2 && std::strcmp(argv[1], "free") == 0)
    return RunFreeBench(Argument(argc, argv, 2, 7), Argument(argc, argv, 3, 100)) ? 0 : 1;
  if (argc >= 2 && std::strcmp(argv[1], "cpu") == 0) return ServeCpuSampler();
  std::fprintf(stderr, "usage: probe_bench ping|free|cpu [rounds] [count]\n");
  return 2;
}
