#include "memory/frmSystemStatus.h"

#include <algorithm>
#include <cmath>

#include "memory/MemoryUnits.h"
#include "ui/MessageLoop.h"

namespace quorvane {

namespace {

// Message rounds around "Optimize Now", so the windows are painted before and after.
constexpr int kOptimizeMessageRounds = 6;
// A speed slider's value v gives ticks every 1300 - v ms: further right is faster.
constexpr int kSpeedBase = 1300;

// The hourglass over the window for as long as the work runs, whichever way it ends.
class Hourglass {
 public:
  explicit Hourglass(Form& form) : form_(form) { form_.SetMousePointer(MousePointer::Hourglass); }
  ~Hourglass() { form_.SetMousePointer(MousePointer::Default); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;

 private:
  Form& form_;
};

}  // namespace

frmSystemStatus::frmSystemStatus(SystemMonitor& monitor)
    : ToolForm("frmSystemStatus", "System Status", {5400, 3660}), monitor_(monitor) {
  sldCPUSpeed.Click = [this] { sldCPUSpeed_Click(); };
  sldMemorySpeed.Click = [this] { sldMemorySpeed_Click(); };
  sldCPUZoom.Click = [this] { sldCPUZoom_Click(); };
  sldMemoryZoom.Click = [this] { sldMemoryZoom_Click(); };
  sldFreeMomoryReq.Change = [this] { sldFreeMomoryReq_Change(); };
  cmdOptimaize.Click = [this] { cmdOptimaize_Click(); };
  for (Slider* speed : {&sldCPUSpeed, &sldMemorySpeed}) {
    speed->SetSmallChange(50);
    speed->SetLargeChange(100);
    speed->SetTickFrequency(100);
  }
  for (Slider* zoom : {&sldCPUZoom, &sldMemoryZoom}) {
    zoom->SetSmallChange(5);
    zoom->SetLargeChange(10);
    zoom->SetTickFrequency(10);
  }
}

void frmSystemStatus::Form_Load() {
  Host().SkinToolWindow(*this);
  SetupMemorySlider();
  sldFreeMomoryReq_Change();
  sldCPUSpeed.SetValue(kSpeedBase - static_cast<int>(monitor_.ProcessorInterval()));
  sldMemorySpeed.SetValue(kSpeedBase - static_cast<int>(monitor_.MemoryInterval()));
  // The charts start with what the monitor kept while the window was not there.
  ShowProcessorReading();
  ShowMemoryReading();
  monitor_.Watch([this] { ShowProcessorReading(); }, [this] { ShowMemoryReading(); });
}

void frmSystemStatus::Form_Unload() { monitor_.Watch({}, {}); }

void frmSystemStatus::SetupMemorySlider() {
  TotalMB = WholeMegabytes(monitor_.Memory().GetTotalPhysical());
  sldFreeMomoryReq.SetRange(0, static_cast<int>(std::min<int64_t>(TotalMB, kMostMegabytesToFree)));
  sldFreeMomoryReq.SetSmallChange(1);
  sldFreeMomoryReq.SetLargeChange(16);
  sldFreeMomoryReq.SetTickFrequency(128);
}

void frmSystemStatus::ShowProcessorReading() {
  const SystemMonitor::Samples& samples = monitor_.ProcessorSamples();
  histCPU.SetSamples(samples.last, samples.taken);
  if (monitor_.ProcessorUnavailable())
    frameCPUUsage.SetCaption("Processor usage (unavailable).");
  else if (!samples.last.empty())
    frameCPUUsage.SetCaption("Processor usage (" + std::to_string(std::lround(histCPU.value())) + "%).");
}

void frmSystemStatus::ShowMemoryReading() {
  const SystemMonitor::Samples& samples = monitor_.MemorySamples();
  histMemory.SetSamples(samples.last, samples.taken);
  if (monitor_.MemorySampled()) fameMemoryUsage.SetCaption(monitor_.FreeMemoryText(true));
}

void frmSystemStatus::sldCPUSpeed_Click() {
  monitor_.SetProcessorInterval(static_cast<UINT>(kSpeedBase - sldCPUSpeed.Value()));
}

void frmSystemStatus::sldMemorySpeed_Click() {
  monitor_.SetMemoryInterval(static_cast<UINT>(kSpeedBase - sldMemorySpeed.Value()));
}

void frmSystemStatus::sldCPUZoom_Click() { histCPU.Setzoom(sldCPUZoom.Value()); }

void frmSystemStatus::sldMemoryZoom_Click() { histMemory.Setzoom(sldMemoryZoom.Value()); }

void frmSystemStatus::sldFreeMomoryReq_Change() {
  const std::string amount = std::to_string(sldFreeMomoryReq.Value());
  sldFreeMomoryReq.SetToolTipText(amount + " MB to free when Optimize is clicked");
  lblTargetMemoryNeeded.SetCaption("Target Level Of RAM " + amount + "MB.");
}

void frmSystemStatus::cmdOptimaize_Click() {
  const int megabytes = sldFreeMomoryReq.Value();
  if (megabytes <= 0) {
    lblTargetMemoryNeeded.SetCaption("Nothing to free: set an amount with the slider.");
    return;
  }
  DoEvents(kOptimizeMessageRounds);
  std::optional<uint32_t> freed;
  int64_t before = 0;
  int64_t after = 0;
  {
    Hourglass hourglass(*this);
    before = WholeMegabytes(monitor_.Memory().GetFreePhysical());
    freed = monitor_.Memory().FreeUpMemory(static_cast<uint32_t>(megabytes) * static_cast<uint32_t>(kBytesPerMegabyte));
    after = WholeMegabytes(monitor_.Memory().GetFreePhysical());
  }
  DoEvents(kOptimizeMessageRounds);
  if (!freed) {
    lblTargetMemoryNeeded.SetCaption("Not enough memory could be claimed to free any.");
    return;
  }
  lblTargetMemoryNeeded.SetCaption("Free memory went from " + GroupThousands(before) + " MB to " +
                                   GroupThousands(after) + " MB.");
}

}  // namespace quorvane
