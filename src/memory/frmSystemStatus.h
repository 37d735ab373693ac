// The system status window: processor usage and free memory as strip charts,
// each with its own timer, speed and zoom, and "Optimize Now", which frees a
// chosen number of megabytes at once. Its memory timer keeps the tray icon's
// tool-tip current, and it owns the program's one processor-usage sampler,
// which the low-memory alarm borrows. Hosted in the main window; its timers
// run from start-up whether it is shown or not.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "memory/CpuUsageSampler.h"
#include "memory/FreeRAM.h"
#include "memory/StripChart.h"
#include "ui/Buttons.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/Slider.h"
#include "ui/Timer.h"
#include "ui/ToolWindowHost.h"

namespace quorvane {

// The amount "Optimize Now" may free: 2047 MB is the most whose byte count fits
// FreeUpMemory's 32 bits.
inline constexpr int kMostMegabytesToFree = 2047;
inline constexpr UINT kChartStartInterval = 300;

class frmSystemStatus : public ToolForm, public ProcessorUsageWindow {
 public:
  using SamplerMaker = std::function<std::unique_ptr<CpuUsageSampler>()>;

  frmSystemStatus();

  // Before loading: other memory figures and claims, another sampler (tests).
  void UseMemory(MemoryAccess access) { memoryAccess_ = std::move(access); }
  void UseSampler(SamplerMaker maker) { makeSampler_ = std::move(maker); }
  // Where the tray tool-tip's unit is chosen (the RAM configuration window).
  void UseToolTipChoice(TrayToolTipChoiceWindow& choice) { toolTipChoice_ = &choice; }

  // ProcessorUsageWindow: the sampler's reading; loads the window first when needed.
  int QueryProcessorUsage() override;

  void tmrCPU_Timer();
  void tmrMemory_Timer();
  void sldCPUSpeed_Click();
  void sldMemorySpeed_Click();
  void sldCPUZoom_Click();
  void sldMemoryZoom_Click();
  void sldFreeMomoryReq_Change();
  void cmdOptimaize_Click();
  void SetupMemorySlider();

  std::unique_ptr<CpuUsageSampler> QueryObject;
  std::optional<FreeRAM> fmem;
  int64_t FreeMB = 0;
  int64_t TotalMB = 0;

  Frame frameMemoryStatus{*this, "frameMemoryStatus", {0, 0, 5340, 3585}, "System Status"};
  // One row per chart, full width, so each caption has room for its reading.
  Frame frameCPUUsage{frameMemoryStatus, "frameCPUUsage", {90, 210, 5160, 1140}, "Processor usage"};
  StripChart histCPU{frameCPUUsage, "histCPU", {120, 270, 2850, 750}};
  Label lblCPUSpeed{frameCPUUsage, "lblCPUSpeed", {3090, 330, 540, 255}, "Speed"};
  Slider sldCPUSpeed{frameCPUUsage, "sldCPUSpeed", {3630, 270, 1440, 360}, 300, 1000};
  Label lblCPUZoom{frameCPUUsage, "lblCPUZoom", {3090, 690, 540, 255}, "Zoom"};
  Slider sldCPUZoom{frameCPUUsage, "sldCPUZoom", {3630, 630, 1440, 360}, kStripChartMinZoom, kStripChartMaxZoom};
  Frame fameMemoryUsage{frameMemoryStatus, "fameMemoryUsage", {90, 1380, 5160, 1140}, "Memory usage"};
  StripChart histMemory{fameMemoryUsage, "histMemory", {120, 270, 2850, 750}};
  Label lblMemorySpeed{fameMemoryUsage, "lblMemorySpeed", {3090, 330, 540, 255}, "Speed"};
  Slider sldMemorySpeed{fameMemoryUsage, "sldMemorySpeed", {3630, 270, 1440, 360}, 300, 1000};
  Label lblMemoryZoom{fameMemoryUsage, "lblMemoryZoom", {3090, 690, 540, 255}, "Zoom"};
  Slider sldMemoryZoom{fameMemoryUsage, "sldMemoryZoom", {3630, 630, 1440, 360}, kStripChartMinZoom,
                       kStripChartMaxZoom};
  Frame frameMemoryControl{frameMemoryStatus, "frameMemoryControl", {90, 2550, 5160, 960}, "Memory Control"};
  Slider sldFreeMomoryReq{frameMemoryControl, "sldFreeMomoryReq", {90, 270, 3210, 360}, 0, 0};
  CommandButton cmdOptimaize{frameMemoryControl, "cmdOptimaize", {3390, 270, 1620, 360}, "Optimize Now"};
  SkinLabel lblTargetMemoryNeeded{frameMemoryControl, "lblTargetMemoryNeeded", {120, 690, 4890, 240}};
  Timer tmrCPU{*this, "tmrCPU", kChartStartInterval};
  Timer tmrMemory{*this, "tmrMemory", kChartStartInterval};

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  FreeRAM& Memory();

  MemoryAccess memoryAccess_;
  SamplerMaker makeSampler_ = CreateCpuUsageSampler;
  TrayToolTipChoiceWindow* toolTipChoice_ = nullptr;
  std::string trayToolTip_;  // the text last sent, so an unchanged one is not sent again
};

}  // namespace quorvane
