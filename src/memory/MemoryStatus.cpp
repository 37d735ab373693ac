#include "memory/MemoryStatus.h"

#include <windows.h>

namespace quorvane {

namespace {

using GlobalMemoryStatusExFunction = BOOL(WINAPI*)(LPMEMORYSTATUSEX);

// Looked up at run time: Windows 95, 98 and ME lack it.
GlobalMemoryStatusExFunction FindGlobalMemoryStatusEx() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (!kernel) return nullptr;
  return reinterpret_cast<GlobalMemoryStatusExFunction>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "GlobalMemoryStatusEx")));
}

}  // namespace

MemoryFigures ReadLegacyMemoryStatus() {
  MEMORYSTATUS status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  MemoryFigures figures;
  figures.memoryLoad = static_cast<int32_t>(status.dwMemoryLoad);
  figures.totalPhysical = status.dwTotalPhys;
  figures.availablePhysical = status.dwAvailPhys;
  figures.totalPageFile = status.dwTotalPageFile;
  figures.availablePageFile = status.dwAvailPageFile;
  figures.totalVirtual = status.dwTotalVirtual;
  figures.availableVirtual = status.dwAvailVirtual;
  return figures;
}

MemoryFigures ReadMemoryStatus() {
  static const GlobalMemoryStatusExFunction statusEx = FindGlobalMemoryStatusEx();
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!statusEx || !statusEx(&status)) return ReadLegacyMemoryStatus();
  MemoryFigures figures;
  figures.memoryLoad = static_cast<int32_t>(status.dwMemoryLoad);
  figures.totalPhysical = static_cast<int64_t>(status.ullTotalPhys);
  figures.availablePhysical = static_cast<int64_t>(status.ullAvailPhys);
  figures.totalPageFile = static_cast<int64_t>(status.ullTotalPageFile);
  figures.availablePageFile = static_cast<int64_t>(status.ullAvailPageFile);
  figures.totalVirtual = static_cast<int64_t>(status.ullTotalVirtual);
  figures.availableVirtual = static_cast<int64_t>(status.ullAvailVirtual);
  return figures;
}

}  // namespace quorvane
