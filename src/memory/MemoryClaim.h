// Claiming a block of memory and writing every byte of it, which forces its
// pages into physical memory and pushes other processes' pages out: how the
// RAM booster "frees" memory.
#pragma once

#include <cstdint>

namespace quorvane {

// Commits a block of the given size, fills it with blanks as 2-byte characters
// (0x0020) and releases it again. False when the block could not be had.
bool ClaimAndWriteBlankBlock(uint64_t bytes);

// Half a count, rounded to the nearest whole number with ties to even (5 -> 2,
// 7 -> 4): the second, smaller claim after the first one failed.
inline uint32_t HalfRoundedToEven(uint32_t count) {
  uint32_t half = count / 2;
  if (count % 2 != 0 && half % 2 != 0) ++half;
  return half;
}

}  // namespace quorvane
