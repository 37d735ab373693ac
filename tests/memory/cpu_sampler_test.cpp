#include <doctest.h>

#include <windows.h>

#include <memory>

#include "memory/CpuUsageSampler.h"
#include "memory/clsCPUUsage.h"
#include "memory/clsCPUUsageNT.h"
#include "support/RegistryFixture.h"

using namespace quorvane;

namespace {

int64_t SystemTimeNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return (int64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
}

// The 9x counter keys, made by the test under Wine's dynamic-data root (Wine
// has no performance counters of its own there) and removed afterwards.
class PerfStatsKeys {
 public:
  PerfStatsKeys() { testing::DeleteKeyTree(HKEY_DYN_DATA, "PerfStats"); }
  ~PerfStatsKeys() { testing::DeleteKeyTree(HKEY_DYN_DATA, "PerfStats"); }

  void SetCounter(const char* key, DWORD value) {
    testing::WriteRaw(HKEY_DYN_DATA, key, kCpuUsageValue, REG_BINARY,
                      std::string(reinterpret_cast<const char*>(&value), sizeof value));
  }
};

}  // namespace

TEST_CASE("the NT sampler reads the real processor count, idle time and clock") {
  auto first = clsCPUUsageNT::ReadSample();
  REQUIRE(first.has_value());
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  CHECK(first->processors == static_cast<int>(info.dwNumberOfProcessors));
  CHECK(first->idleTime > 0);
  // the system time is the clock, in 100-nanosecond units since 1601
  CHECK(std::llabs(first->systemTime - SystemTimeNow()) < 10000000);

  Sleep(50);
  auto second = clsCPUUsageNT::ReadSample();
  REQUIRE(second.has_value());
  CHECK(second->systemTime > first->systemTime);
  CHECK(second->idleTime >= first->idleTime);
}

TEST_CASE("the sampler for this system is the NT one and measures 0 to 100") {
  std::unique_ptr<CpuUsageSampler> sampler = CreateCpuUsageSampler();
  REQUIRE(dynamic_cast<clsCPUUsageNT*>(sampler.get()) != nullptr);
  sampler->Initialize();
  for (int i = 0; i < 3; ++i) {
    Sleep(100);
    int32_t usage = sampler->Query();
    CAPTURE(i);
    CHECK(usage >= 0);
    CHECK(usage <= 100);
  }
  // back to back: whatever the clock did, never a failure and never out of range
  int32_t quick = sampler->Query();
  CHECK(quick >= 0);
  CHECK(quick <= 100);
  sampler->Terminate();
}

TEST_CASE("the 9x sampler reads the kernel counter under the dynamic-data root") {
  PerfStatsKeys keys;
  keys.SetCounter(kPerfStartKey, 0);
  keys.SetCounter(kPerfDataKey, 37);
  keys.SetCounter(kPerfStopKey, 0);

  clsCPUUsage usage;
  CpuUsageSampler& sampler = usage;
  sampler.Initialize();
  REQUIRE(usage.HasDataKey());
  CHECK(sampler.Query() == 37);

  // the data key stays open and is read anew on every query
  keys.SetCounter(kPerfDataKey, 81);
  CHECK(sampler.Query() == 81);

  // an unreadable value leaves the last figure
  testing::WriteRaw(HKEY_DYN_DATA, kPerfDataKey, kCpuUsageValue, REG_BINARY, std::string(8, '\x01'));
  CHECK(sampler.Query() == 81);
  HKEY data;
  REQUIRE(RegOpenKeyExA(HKEY_DYN_DATA, kPerfDataKey, 0, KEY_ALL_ACCESS, &data) == ERROR_SUCCESS);
  RegDeleteValueA(data, kCpuUsageValue);
  RegCloseKey(data);
  CHECK(sampler.Query() == 81);

  sampler.Terminate();
  CHECK_FALSE(usage.HasDataKey());
  keys.SetCounter(kPerfDataKey, 12);
  CHECK(sampler.Query() == 81);
}

TEST_CASE("without the start key the 9x sampler opens nothing and reports 0") {
  PerfStatsKeys keys;
  keys.SetCounter(kPerfDataKey, 64);  // data without a counter to start

  clsCPUUsage usage;
  usage.Initialize();
  CHECK_FALSE(usage.HasDataKey());
  CHECK(usage.Query() == 0);
  CHECK(usage.Query() == 0);
  usage.Terminate();  // no stop key either: nothing to do, nothing breaks
  CHECK(usage.Query() == 0);
}
