// The machine's memory figures, in bytes (the load in percent).
#pragma once

#include <cstdint>

namespace quorvane {

struct MemoryFigures {
  int32_t memoryLoad = 0;  // percent of physical memory in use, 0 to 100
  int64_t totalPhysical = 0;
  int64_t availablePhysical = 0;
  int64_t totalPageFile = 0;
  int64_t availablePageFile = 0;
  int64_t totalVirtual = 0;      // address space of this process
  int64_t availableVirtual = 0;
};

// GlobalMemoryStatusEx where the system has it (Windows 2000 and later), so
// machines with more than 2 GB report their real memory; GlobalMemoryStatus
// on the 9x family.
MemoryFigures ReadMemoryStatus();

// The GlobalMemoryStatus figures alone (at most 4 GB, capped at 2 GB for most
// programs); what ReadMemoryStatus falls back to.
MemoryFigures ReadLegacyMemoryStatus();

}  // namespace quorvane
