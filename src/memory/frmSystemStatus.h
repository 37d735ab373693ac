// The system status window: the system monitor's processor usage and free
// memory as strip charts, each with its speed and zoom, and "Optimize Now",
// which frees a chosen number of megabytes at once. Hosted in the main window;
// the monitor samples whether the window exists or not, and the window, once
// loaded, shows what it kept and each new sample.
#pragma once

#include <cstdint>
#include <string>

#include "memory/StripChart.h"
#include "memory/SystemMonitor.h"
#include "ui/Buttons.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/Slider.h"
#include "ui/ToolWindowHost.h"

namespace quorvane {

// The amount "Optimize Now" may free: 2047 MB is the most whose byte count fits
// FreeUpMemory's 32 bits.
inline constexpr int kMostMegabytesToFree = 2047;

class frmSystemStatus : public ToolForm {
 public:
  explicit frmSystemStatus(SystemMonitor& monitor);
  void sldCPUSpeed_Click();
  void sldMemorySpeed_Click();
  void sldCPUZoom_Click();
  void sldMemoryZoom_Click();
  void sldFreeMomoryReq_Change();
  void cmdOptimaize_Click();
  void SetupMemorySlider();

  int64_t TotalMB = 0;

  Frame frameMemoryStatus{*this, "frameMemoryStatus", {0, 0, 5340, 3585}, "System Status"};
  // One row per chart, full width, so each caption has room for its reading.
  Frame frameCPUUsage{frameMemoryStatus, "frameCPUUsage", {90, 210, 5160, 1140}, "Processor usage"};
  StripChart histCPU{frameCPUUsage, "histCPU", {120, 270, 2850, 750}, RGB(0, 255, 0), kChartSamplesKept};
  Label lblCPUSpeed{frameCPUUsage, "lblCPUSpeed", {3090, 330, 540, 255}, "Speed"};
  Slider sldCPUSpeed{frameCPUUsage, "sldCPUSpeed", {3630, 270, 1440, 360}, 300, 1000};
  Label lblCPUZoom{frameCPUUsage, "lblCPUZoom", {3090, 690, 540, 255}, "Zoom"};
  Slider sldCPUZoom{frameCPUUsage, "sldCPUZoom", {3630, 630, 1440, 360}, kStripChartMinZoom, kStripChartMaxZoom};
  Frame fameMemoryUsage{frameMemoryStatus, "fameMemoryUsage", {90, 1380, 5160, 1140}, "Memory usage"};
  StripChart histMemory{fameMemoryUsage, "histMemory", {120, 270, 2850, 750}, RGB(0, 255, 0), kChartSamplesKept};
  Label lblMemorySpeed{fameMemoryUsage, "lblMemorySpeed", {3090, 330, 540, 255}, "Speed"};
  Slider sldMemorySpeed{fameMemoryUsage, "sldMemorySpeed", {3630, 270, 1440, 360}, 300, 1000};
  Label lblMemoryZoom{fameMemoryUsage, "lblMemoryZoom", {3090, 690, 540, 255}, "Zoom"};
  Slider sldMemoryZoom{fameMemoryUsage, "sldMemoryZoom", {3630, 630, 1440, 360}, kStripChartMinZoom,
                       kStripChartMaxZoom};
  Frame frameMemoryControl{frameMemoryStatus, "frameMemoryControl", {90, 2550, 5160, 960}, "Memory Control"};
  Slider sldFreeMomoryReq{frameMemoryControl, "sldFreeMomoryReq", {90, 270, 3210, 360}, 0, 0};
  CommandButton cmdOptimaize{frameMemoryControl, "cmdOptimaize", {3390, 270, 1620, 360}, "Optimize Now"};
  SkinLabel lblTargetMemoryNeeded{frameMemoryControl, "lblTargetMemoryNeeded", {120, 690, 4890, 240}};

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  // The captions of the monitor's last readings.
  void ShowProcessorReading();
  void ShowMemoryReading();

  SystemMonitor& monitor_;
};

}  // namespace quorvane
