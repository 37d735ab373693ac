#include "memory/clsCPUUsageNT.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

namespace quorvane {

namespace {

using NtQuerySystemInformationFunction = LONG(WINAPI*)(ULONG infoClass, PVOID buffer, ULONG size,
                                                       PULONG returnedSize);

// The basic-information record as the system fills it for a program of this
// build's pointer width: 44 bytes with the processor count at 40 for 32 bits,
// 64 bytes with it at 56 for 64 bits. The system refuses any other size.
struct SystemBasicInformation {
  ULONG reserved;
  ULONG timerResolution;
  ULONG pageSize;
  ULONG numberOfPhysicalPages;
  ULONG lowestPhysicalPageNumber;
  ULONG highestPhysicalPageNumber;
  ULONG allocationGranularity;
  ULONG_PTR minimumUserModeAddress;
  ULONG_PTR maximumUserModeAddress;
  ULONG_PTR activeProcessorsAffinityMask;
  CCHAR numberOfProcessors;
};
static_assert(sizeof(void*) == 4 ? sizeof(SystemBasicInformation) == 44 : sizeof(SystemBasicInformation) == 64);
static_assert(offsetof(SystemBasicInformation, numberOfProcessors) == (sizeof(void*) == 4 ? 40 : 56));

// Information classes, the sizes passed for them and where the figures used sit.
constexpr ULONG kSystemBasicInformation = 0;
constexpr ULONG kBasicInformationSize = sizeof(SystemBasicInformation);
constexpr size_t kProcessorCountOffset = offsetof(SystemBasicInformation, numberOfProcessors);  // 8-bit

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
