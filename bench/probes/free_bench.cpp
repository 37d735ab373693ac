#include "free_bench.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench_timing.h"
#include "memory/FreeRAM.h"

namespace quorvane::probes {

namespace {

constexpr uint32_t kMegabyte = 1048576;

double TimeFreeUpMemory(FreeRAM& ram, uint32_t count, bool* whole) {
  double start = NowMicroseconds();
  std::optional<uint32_t> freed = ram.FreeUpMemory(count);
  double elapsed = NowMicroseconds() - start;
  if (freed != count) *whole = false;
  return elapsed;
}

double TimeMemset(size_t bytes, bool* whole) {
  double start = NowMicroseconds();
  void* block = std::malloc(bytes);
  if (!block) {
    *whole = false;
    return 0.0;
  }
  std::memset(block, ' ', bytes);
  // keep the writes: the compiler may not drop a block it sees read
  volatile unsigned char sink = static_cast<unsigned char*>(block)[bytes / 2];
  (void)sink;
  std::free(block);
  return NowMicroseconds() - start;
}

}  // namespace

bool RunFreeBench(int rounds, int megabytes) {
  FreeRAM ram;
  uint32_t count = static_cast<uint32_t>(megabytes) * kMegabyte;
  size_t bytes = size_t{count} * 2;
  bool whole = true;
  std::vector<double> freeUp, memsetOnly;
  for (int round = 0; round < rounds; ++round) {
    freeUp.push_back(TimeFreeUpMemory(ram, count, &whole));
    memsetOnly.push_back(TimeMemset(bytes, &whole));
  }
  double freeUpMedian = Median(freeUp) / 1000.0;
  double memsetMedian = Median(memsetOnly) / 1000.0;
  std::printf("free %d MB (%zu MB written): FreeUpMemory %.1f ms, malloc+memset+free %.1f ms, ratio %.2f (target <= 1.50)%s\n",
              megabytes, bytes / kMegabyte, freeUpMedian, memsetMedian, freeUpMedian / memsetMedian,
              whole ? "" : "  [NOT THE WHOLE AMOUNT]");
  std::fflush(stdout);
  return whole;
}

}  // namespace quorvane::probes
