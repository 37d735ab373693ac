#include "memory/MemoryClaim.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <limits>

namespace quorvane {

bool ClaimAndWriteBlankBlock(uint64_t bytes) {
  if (bytes == 0) return true;
  if (bytes > std::numeric_limits<SIZE_T>::max()) return false;  // beyond this process's address space
  void* block = VirtualAlloc(nullptr, static_cast<SIZE_T>(bytes), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (!block) return false;
  // Every page has to be written: reserving address space alone frees nothing.
  auto* characters = static_cast<uint16_t*>(block);
  std::fill_n(characters, static_cast<size_t>(bytes / 2), uint16_t{0x0020});
  if (bytes % 2) static_cast<unsigned char*>(block)[bytes - 1] = 0x20;
  VirtualFree(block, 0, MEM_RELEASE);
  return true;
}

}  // namespace quorvane
