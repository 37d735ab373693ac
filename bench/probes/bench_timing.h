// Wall-clock timing for the benchmarks: the performance counter and the
// median of repeated rounds, which the odd slow round of a shared machine
// does not move.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace quorvane::probes {

inline double NowMicroseconds() {
  static const double frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return static_cast<double>(value.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1e6 / frequency;
}

inline double NowMs() { return NowMicroseconds() / 1000.0; }

inline double Median(std::vector<double> samples) {
  if (samples.empty()) return 0.0;
  std::sort(samples.begin(), samples.end());
  size_t middle = samples.size() / 2;
  return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}

}  // namespace quorvane::probes
