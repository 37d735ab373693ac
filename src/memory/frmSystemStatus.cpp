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

std::string WholePercent(double percent) { return std::to_string(std::lround(percent)); }

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

frmSystemStatus::frmSystemStatus() : ToolForm("frmSystemStatus", "System Status", {5400, 3660}) {
  tmrCPU.Tick = [this] { tmrCPU_Timer(); };
  tmrMemory.Tick = [this] { tmrMemory_Timer(); };
  sldCPUSpeed.Click = [this] { sldCPUSpeed_Click(); };
  sldMemorySpeed.Click = [this] { sldMemorySpeed_Click(); };
  sldCPUZoom.Click = [this] { sldCPUZoom_Click(); };
  sldMemoryZoom.Click = [this] { sldMemoryZoom_Click(); };
  sldFreeMomoryReq.Change = [this] { sldFreeMomoryReq_Change(); };
  cmdOptimaize.Click = [this] { cmdOptimaize_Click(); };
  for (Slider* speed : {&sldCPUSpeed, &sldMemorySpeed}) {
    speed->SetValue(kSpeedBase - static_cast<int>(kChartStartInterval));
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
  QueryObject = makeSampler_();
  QueryObject->Initialize();
  SetupMemorySlider();
  sldFreeMomoryReq_Change();
}

void frmSystemStatus::Form_Unload() {
  // The 9x kernel counter keeps counting until it is stopped.
  if (QueryObject) QueryObject->Terminate();
  QueryObject.reset();
}

FreeRAM& frmSystemStatus::Memory() {
  if (!fmem) fmem.emplace(memoryAccess_.Make());
  return *fmem;
}

int frmSystemStatus::QueryProcessorUsage() {
  if (!IsLoaded()) Load();
  return QueryObject ? QueryObject->Query() : -1;
}

void frmSystemStatus::SetupMemorySlider() {
  TotalMB = WholeMegabytes(Memory().GetTotalPhysical());
  sldFreeMomoryReq.SetRange(0, static_cast<int>(std::min<int64_t>(TotalMB, kMostMegabytesToFree)));
  sldFreeMomoryReq.SetSmallChange(1);
  sldFreeMomoryReq.SetLargeChange(16);
  sldFreeMomoryReq.SetTickFrequency(128);
}

void frmSystemStatus::tmrCPU_Timer() {
  const int usage = QueryObject ? QueryObject->Query() : -1;
  if (usage < 0) {
    // No sample for a failed reading: the line would drop to -1 % and back.
    frameCPUUsage.SetCaption("Processor usage (unavailable).");
    return;
  }
  histCPU.Setvalue(usage);
  frameCPUUsage.SetCaption("Processor usage (" + WholePercent(histCPU.value()) + "%).");
}

void frmSystemStatus::tmrMemory_Timer() {
  FreeMB = WholeMegabytes(Memory().GetFreePhysical());
  if (TotalMB > 0) histMemory.Setvalue(static_cast<double>(FreeMB) / static_cast<double>(TotalMB) * 100.0);
  const std::string percent = WholePercent(histMemory.value());
  fameMemoryUsage.SetCaption("Free Memory (" + percent + "%).");
  const bool inPercent = toolTipChoice_ && toolTipChoice_->TrayToolTipInPercent();
  std::string toolTip = inPercent ? "Free Memory (" + percent + "%)." : "Free Memory (" + std::to_string(FreeMB) + "MB).";
  if (toolTip == trayToolTip_) return;
  trayToolTip_ = toolTip;
  Host().SetTrayToolTip(toolTip);
}

void frmSystemStatus::sldCPUSpeed_Click() {
  tmrCPU.SetInterval(static_cast<UINT>(kSpeedBase - sldCPUSpeed.Value()));
}

void frmSystemStatus::sldMemorySpeed_Click() {
  tmrMemory.SetInterval(static_cast<UINT>(kSpeedBase - sldMemorySpeed.Value()));
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
    before = WholeMegabytes(Memory().GetFreePhysical());
    freed = Memory().FreeUpMemory(static_cast<uint32_t>(megabytes) * static_cast<uint32_t>(kBytesPerMegabyte));
    after = WholeMegabytes(Memory().GetFreePhysical());
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
