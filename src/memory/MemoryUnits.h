// Memory figures as the monitor shows them. Pure arithmetic, no <windows.h>.
#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

inline constexpr int64_t kBytesPerMegabyte = 1048576;

// n / d rounded to the nearest whole number, halves to the even neighbour;
// n >= 0, d > 0.
constexpr int64_t DivideRoundedHalfEven(int64_t n, int64_t d) {
  int64_t quotient = n / d;
  int64_t twiceRest = (n % d) * 2;
  if (twiceRest > d || (twiceRest == d && quotient % 2 != 0)) ++quotient;
  return quotient;
}

// Bytes in whole megabytes the way the status window counts them: kilobytes
// rounded first, then megabytes. 64-bit, so no memory size overflows it.
constexpr int64_t WholeMegabytes(int64_t bytes) {
  return DivideRoundedHalfEven(DivideRoundedHalfEven(bytes, 1024), 1024);
}

// "1,240": digits grouped by threes with commas.
std::string GroupThousands(int64_t number);

}  // namespace quorvane
