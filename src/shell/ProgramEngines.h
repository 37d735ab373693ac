// What runs from start-up with no window: the pinger's tick, the low-memory
// alarm, the charts' samples with the tray tool-tip, the start-up options kept
// in step with Windows, the optimizer's start-up settings. The main window
// starts the engines once its tray icon exists and stops them before the
// process ends; each tool window, made when first shown, is a view of one.
#pragma once

#include "ui/ToolWindowHost.h"

namespace quorvane {

class ProgramEngines {
 public:
  virtual ~ProgramEngines() = default;
  virtual void Start(ToolWindowHost& host) = 0;
  // Timers stopped and any work in flight ended; nothing runs after this returns.
  virtual void Stop() = 0;
  // "Run Program In system tray", as saved.
  virtual bool StartsInTray() const = 0;
};

}  // namespace quorvane
