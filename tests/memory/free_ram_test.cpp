#include <doctest.h>

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "memory/FreeRAM.h"
#include "memory/MemoryClaim.h"
#include "support/RecordingEffects.h"

using namespace quorvane;

namespace {

constexpr uint32_t kMegabyte = 1048576;

SIZE_T PeakWorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakWorkingSetSize;
}

// Claims through the real claimer, but fails every block above a limit and
// records the sizes asked for.
struct LimitedClaimer {
  uint64_t limit;
  std::vector<uint64_t>* asked;
  bool operator()(uint64_t bytes) const {
    asked->push_back(bytes);
    return bytes <= limit && ClaimAndWriteBlankBlock(bytes);
  }
};

// MemTotal of the Linux kernel beneath Wine, in bytes; 0 when not readable.
int64_t KernelMemTotal() {
  FILE* file = std::fopen("Z:\\proc\\meminfo", "r");
  if (!file) return 0;
  char line[256];
  long long kilobytes = 0;
  while (std::fgets(line, sizeof line, file))
    if (std::sscanf(line, "MemTotal: %lld kB", &kilobytes) == 1) break;
  std::fclose(file);
  return kilobytes * 1024;
}

}  // namespace

TEST_CASE("FreeUpMemory writes twice the count in bytes and returns the count") {
  FreeRAM ram;
  CHECK(ram.FreeUpMemory(0) == 0u);

  // Larger than anything this process has held, so the peak has to move.
  SIZE_T before = PeakWorkingSet();
  uint32_t count = static_cast<uint32_t>(before / 2) + 16 * kMegabyte;
  CHECK(ram.FreeUpMemory(count) == count);
  SIZE_T after = PeakWorkingSet();
  // A block that is only reserved, or only half written, stays out of the
  // working set.
  CHECK(after >= before + uint64_t{count} * 2 * 9 / 10);
}

TEST_CASE("FreeUpMemory retries once with half the count when the block cannot be had") {
  std::vector<uint64_t> asked;

  FreeRAM limited(LimitedClaimer{6 * kMegabyte, &asked});
  CHECK(limited.FreeUpMemory(5 * kMegabyte) == 5 * kMegabyte / 2);
  CHECK(asked == std::vector<uint64_t>{10 * kMegabyte, 5 * kMegabyte});

  // halves round to even
  asked.clear();
  FreeRAM tiny(LimitedClaimer{9, &asked});
  CHECK(tiny.FreeUpMemory(5) == 2u);
  CHECK(tiny.FreeUpMemory(7) == 4u);
  CHECK(tiny.FreeUpMemory(4) == 4u);
  CHECK(asked == std::vector<uint64_t>{10, 4, 14, 8, 8});

  // one retry only; when it fails too the caller hears of it
  asked.clear();
  FreeRAM none(LimitedClaimer{0, &asked});
  CHECK_FALSE(none.FreeUpMemory(3 * kMegabyte).has_value());
  CHECK(asked.size() == 2);

  CHECK(HalfRoundedToEven(1) == 0u);
  CHECK(HalfRoundedToEven(3) == 2u);
  CHECK(HalfRoundedToEven(0xFFFFFFFFu) == 0x80000000u);
}

TEST_CASE("a block beyond the address space fails both claims without harm" *
          doctest::skip(sizeof(void*) != 4)) {
  FreeRAM ram;
  // 8 GB, then 4 GB: neither fits a 32-bit process.
  CHECK_FALSE(ram.FreeUpMemory(0xFFFFFFFFu).has_value());
  CHECK(ram.FreeUpMemory(kMegabyte) == kMegabyte);
}

TEST_CASE("window messages are handled around the freeing") {
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_REMOVE)) {
  }
  PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
  FreeRAM ram;
  CHECK(ram.FreeUpMemory(kMegabyte) == kMegabyte);
  CHECK_FALSE(PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_REMOVE));
}

TEST_CASE("memory figures are the machine's own, beyond 2 GB too") {
  FreeRAM ram;
  int64_t total = ram.GetTotalPhysical();
  int64_t kernelTotal = KernelMemTotal();
  REQUIRE(kernelTotal > 0);
  CHECK(total > kernelTotal * 99 / 100);
  CHECK(total < kernelTotal * 101 / 100);

  int64_t free = ram.GetFreePhysical();
  CHECK(free > 0);
  CHECK(free <= total);
  int32_t load = ram.GetMemoryLoad();
  CHECK(load >= 0);
  CHECK(load <= 100);

  int64_t totalVirtual = ram.GetTotalVirtual();
  CHECK(totalVirtual > 0);
  if (sizeof(void*) == 4) CHECK(totalVirtual <= int64_t{4096} * kMegabyte);
  CHECK(ram.GetFreeVirtual() > 0);
  CHECK(ram.GetFreeVirtual() <= totalVirtual);

  // the older call cannot tell a 32-bit program more than 4 GB
  MemoryFigures legacy = ReadLegacyMemoryStatus();
  CHECK(legacy.totalPhysical > 0);
  CHECK(legacy.totalPhysical <= total);
  if (sizeof(void*) == 4) CHECK(legacy.totalPhysical <= int64_t{0xFFFFFFFF});
}

TEST_CASE("ending the session, web addresses and e-mail go through the system's effects") {
  testing::RecordingEffects effects;
  FreeRAM ram;
  CHECK(ram.ExitWindows("Reboot"));
  CHECK(ram.ExitWindows("SHUTDOWN"));
  CHECK(ram.ExitWindows("logoff"));
  CHECK_FALSE(ram.ExitWindows("restart"));
  CHECK_FALSE(ram.ExitWindows(""));
  CHECK(effects.restarts == std::vector<UINT>{EWX_REBOOT, EWX_SHUTDOWN, EWX_LOGOFF});

  effects.restartSucceeds = false;
  CHECK_FALSE(ram.ExitWindows("reboot"));

  ram.GoToURL("http://www.example.invalid/");
  ram.eMail("someone@example.invalid");
  REQUIRE(effects.shellOpens.size() == 2);
  CHECK(effects.shellOpens[0].verb == "open");
  CHECK(effects.shellOpens[0].file == "http://www.example.invalid/");
  CHECK(effects.shellOpens[0].showCommand == SW_SHOWMAXIMIZED);
  CHECK(effects.shellOpens[1].verb.empty());
  CHECK(effects.shellOpens[1].file == "mailto:someone@example.invalid");
  CHECK(effects.shellOpens[1].showCommand == SW_RESTORE);
}
