#include "memory/clsCPUUsageNT.h"

#include <windows.h>

#include <cstring>

namespace quorvane {

namespace {

using NtQuerySystemInformationFunction = LONG(WINAPI*)(ULONG infoClass, PVOID buffer, ULONG size,
                                                       PULONG returnedSize);

// Information classes, the sizes passed for them (the 32-bit records of NT 4
// and later) and where the figures used sit in them.
constexpr ULONG kSystemBasicInformation = 0;
constexpr ULONG kBasicInformationSize = 44;
constexpr size_t kProcessorCountOffset = 40;  // 8-bit

constexpr ULONG kSystemPerformanceInformation = 2;
constexpr ULONG kPerformanceInformationSize = 312;
constexpr size_t kIdleTimeOffset = 0;  // 64-bit

constexpr ULONG kSystemTimeOfDayInformation = 3;
constexpr ULONG kTimeOfDayInformationSize = 32;
constexpr size_t kCurrentTimeOffset = 8;  // 64-bit

// Found at run time: ntdll of the 9x family has no such function.
NtQuerySystemInformationFunction FindNtQuerySystemInformation() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (!ntdll) return nullptr;
  return reinterpret_cast<NtQuerySystemInformationFunction>(
      reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQuerySystemInformation")));
}

bool QueryInformation(ULONG infoClass, unsigned char* buffer, ULONG size) {
  static const NtQuerySystemInformationFunction query = FindNtQuerySystemInformation();
  return query && query(infoClass, buffer, size, nullptr) >= 0;  // NT_SUCCESS
}

int64_t Read64(const unsigned char* buffer, size_t offset) {
  int64_t value;
  std::memcpy(&value, buffer + offset, sizeof value);
  return value;
}

}  // namespace

std::optional<IdleTimeSample> clsCPUUsageNT::ReadSample() {
  unsigned char basic[kBasicInformationSize] = {};
  unsigned char performance[kPerformanceInformationSize] = {};
  unsigned char timeOfDay[kTimeOfDayInformationSize] = {};
  if (!QueryInformation(kSystemBasicInformation, basic, sizeof basic) ||
      !QueryInformation(kSystemTimeOfDayInformation, timeOfDay, sizeof timeOfDay) ||
      !QueryInformation(kSystemPerformanceInformation, performance, sizeof performance))
    return std::nullopt;
  IdleTimeSample sample;
  sample.processors = basic[kProcessorCountOffset];
  sample.idleTime = Read64(performance, kIdleTimeOffset);
  sample.systemTime = Read64(timeOfDay, kCurrentTimeOffset);
  return sample;
}

void clsCPUUsageNT::Initialize() { usage_.Start(ReadSample()); }

int32_t clsCPUUsageNT::Query() { return usage_.Next(ReadSample()); }

}  // namespace quorvane
