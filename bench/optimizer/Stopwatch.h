// Wall-clock timing for the benchmarks: the performance counter, and the median of
// repeated runs, which the odd slow run of a shared machine does not move.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace quorvane::bench {

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    Restart();
  }
  void Restart() { QueryPerformanceCounter(&start_); }
  double ElapsedMicroseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1e6 /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};

// Microseconds one call of the function takes.
template <typename Function>
double TimeMicroseconds(Function&& function) {
  Stopwatch watch;
  function();
  return watch.ElapsedMicroseconds();
}

inline double Median(std::vector<double> samples) {
  if (samples.empty()) return 0.0;
  std::sort(samples.begin(), samples.end());
  const size_t middle = samples.size() / 2;
  return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}

}  // namespace quorvane::bench
