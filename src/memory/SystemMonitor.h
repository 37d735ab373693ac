// The system monitor: processor usage and free memory sampled from start-up,
// whether the status window is open or not. It keeps as many samples as a chart
// shows, so a chart opened later starts full, keeps the tray icon's tool-tip
// current, and owns the program's one processor-usage sampler, which the
// low-memory alarm asks too: each query covers the time since the previous one
// of either caller.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "memory/CpuUsageSampler.h"
#include "memory/FreeRAM.h"
#include "ui/WindowlessTimer.h"

namespace quorvane {

inline constexpr UINT kChartStartInterval = 300;
// As many samples as a chart shows across its width.
inline constexpr int kChartSamplesKept = 30;

class SystemMonitor {
 public:
  using SamplerMaker = std::function<std::unique_ptr<CpuUsageSampler>()>;
  using TrayToolTipSink = std::function<void(const std::string& text)>;

  // The sink receives each new tray tool-tip text.
  explicit SystemMonitor(TrayToolTipSink showTrayToolTip = {});
  ~SystemMonitor();
  SystemMonitor(const SystemMonitor&) = delete;
  SystemMonitor& operator=(const SystemMonitor&) = delete;

  // Before starting: other memory figures and claims, another sampler (tests).
  void UseMemory(MemoryAccess access) { memoryAccess_ = std::move(access); }
  void UseSampler(SamplerMaker maker) { makeSampler_ = std::move(maker); }
  // Whether the tool-tip gives free memory in percent (the alarm's setting).
  void UseToolTipUnit(std::function<bool()> inPercent) { toolTipInPercent_ = std::move(inPercent); }

  // Starts the sampler and both timers. Stop ends them; the 9x kernel counter
  // keeps counting until its sampler is stopped, so stop before the program ends.
  void Start();
  void Stop();
  bool Running() const { return processorTimer_.Running() && memoryTimer_.Running(); }

  // One tick of each timer.
  void SampleProcessor();
  void SampleMemory();
  // Usage in percent, or -1 when the system could not say.
  int QueryProcessorUsage();

  // Milliseconds between samples; a new interval starts counting afresh.
  UINT ProcessorInterval() const { return processorInterval_; }
  UINT MemoryInterval() const { return memoryInterval_; }
  void SetProcessorInterval(UINT intervalMs);
  void SetMemoryInterval(UINT intervalMs);

  // The last samples in percent, oldest first, and how many were ever taken.
  struct Samples {
    std::deque<double> last;
    int64_t taken = 0;
  };
  const Samples& ProcessorSamples() const { return processorSamples_; }
  const Samples& MemorySamples() const { return memorySamples_; }
  // The last processor reading failed (it added no sample).
  bool ProcessorUnavailable() const { return processorUnavailable_; }
  bool MemorySampled() const { return memorySampled_; }
  int64_t FreeMB() const { return freeMB_; }
  // "Free Memory (25%)." or "Free Memory (128MB).", from the last memory sample.
  std::string FreeMemoryText(bool inPercent) const;

  FreeRAM& Memory();

  // Called after each sample while a view shows them; empty functions to stop.
  void Watch(std::function<void()> processorSampled, std::function<void()> memorySampled) {
    onProcessorSample_ = std::move(processorSampled);
    onMemorySample_ = std::move(memorySampled);
  }

 private:
  CpuUsageSampler& Sampler();

  TrayToolTipSink showTrayToolTip_;
  std::function<bool()> toolTipInPercent_;
  MemoryAccess memoryAccess_;
  SamplerMaker makeSampler_ = CreateCpuUsageSampler;
  std::unique_ptr<CpuUsageSampler> sampler_;
  std::optional<FreeRAM> memory_;
  UINT processorInterval_ = kChartStartInterval;
  UINT memoryInterval_ = kChartStartInterval;
  WindowlessTimer processorTimer_{[this] { SampleProcessor(); }};
  WindowlessTimer memoryTimer_{[this] { SampleMemory(); }};
  Samples processorSamples_;
  Samples memorySamples_;
  bool processorUnavailable_ = false;
  bool memorySampled_ = false;
  int64_t freeMB_ = 0;
  std::string trayToolTip_;  // the text last sent, so an unchanged one is not sent again
  std::function<void()> onProcessorSample_;
  std::function<void()> onMemorySample_;
};

}  // namespace quorvane
