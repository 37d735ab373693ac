#include "memory/SystemMonitor.h"

#include <algorithm>
#include <cmath>

#include "memory/MemoryUnits.h"

namespace quorvane {

namespace {

void Keep(SystemMonitor::Samples& samples, double percent) {
  samples.last.push_back(std::clamp(percent, 0.0, 100.0));
  if (samples.last.size() > static_cast<size_t>(kChartSamplesKept)) samples.last.pop_front();
  ++samples.taken;
}

}  // namespace

SystemMonitor::SystemMonitor(TrayToolTipSink showTrayToolTip) : showTrayToolTip_(std::move(showTrayToolTip)) {}

SystemMonitor::~SystemMonitor() { Stop(); }

void SystemMonitor::Start() {
  Sampler();
  processorTimer_.Start(processorInterval_);
  memoryTimer_.Start(memoryInterval_);
}

void SystemMonitor::Stop() {
  processorTimer_.Stop();
  memoryTimer_.Stop();
  if (sampler_) sampler_->Terminate();
  sampler_.reset();
}

CpuUsageSampler& SystemMonitor::Sampler() {
  if (!sampler_) {
    sampler_ = makeSampler_();
    sampler_->Initialize();
  }
  return *sampler_;
}

FreeRAM& SystemMonitor::Memory() {
  if (!memory_) memory_.emplace(memoryAccess_.Make());
  return *memory_;
}

int SystemMonitor::QueryProcessorUsage() { return Sampler().Query(); }

void SystemMonitor::SampleProcessor() {
  const int usage = QueryProcessorUsage();
  // No sample for a failed reading: the line would drop to -1 % and back.
  processorUnavailable_ = usage < 0;
  if (!processorUnavailable_) Keep(processorSamples_, usage);
  if (onProcessorSample_) onProcessorSample_();
}

void SystemMonitor::SampleMemory() {
  freeMB_ = WholeMegabytes(Memory().GetFreePhysical());
  const int64_t totalMB = WholeMegabytes(Memory().GetTotalPhysical());
  if (totalMB > 0) Keep(memorySamples_, static_cast<double>(freeMB_) / static_cast<double>(totalMB) * 100.0);
  memorySampled_ = true;
  const std::string toolTip = FreeMemoryText(toolTipInPercent_ && toolTipInPercent_());
  if (toolTip != trayToolTip_) {
    trayToolTip_ = toolTip;
    if (showTrayToolTip_) showTrayToolTip_(toolTip);
  }
  if (onMemorySample_) onMemorySample_();
}

std::string SystemMonitor::FreeMemoryText(bool inPercent) const {
  if (!inPercent) return "Free Memory (" + std::to_string(freeMB_) + "MB).";
  const double percent = memorySamples_.last.empty() ? 0.0 : memorySamples_.last.back();
  return "Free Memory (" + std::to_string(std::lround(percent)) + "%).";
}

void SystemMonitor::SetProcessorInterval(UINT intervalMs) {
  processorInterval_ = intervalMs;
  if (processorTimer_.Running()) processorTimer_.Start(intervalMs);
}

void SystemMonitor::SetMemoryInterval(UINT intervalMs) {
  memoryInterval_ = intervalMs;
  if (memoryTimer_.Running()) memoryTimer_.Start(intervalMs);
}

}  // namespace quorvane
