// The seven tool windows the main window hosts, and the fixed orders in which
// the program visits them. A window is made, hosted in the main window's frame
// and loaded the first time it is wanted, so start-up makes none of them: what
// must run from start-up runs in the engines (shell/ProgramEngines.h).
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "ui/Form.h"
#include "ui/ToolWindowHost.h"

namespace quorvane {

enum class ToolWindow { WizardMode, AdvancedMode, BackUp, NetPingerSettings, SystemStatus, RamConfiguration,
                        MainSettings };

constexpr int kToolWindowCount = 7;
using ToolWindowOrder = std::array<ToolWindow, kToolWindowCount>;

// The order of "about", "closeAbout", "main" and "close".
constexpr ToolWindowOrder kLoadOrder = {ToolWindow::WizardMode, ToolWindow::AdvancedMode, ToolWindow::BackUp,
                                        ToolWindow::NetPingerSettings, ToolWindow::SystemStatus,
                                        ToolWindow::RamConfiguration, ToolWindow::MainSettings};
// The order of showToolWindow's hiding, of the main window's unload and of "restart".
constexpr ToolWindowOrder kHideOrder = {ToolWindow::WizardMode, ToolWindow::AdvancedMode, ToolWindow::BackUp,
                                        ToolWindow::NetPingerSettings, ToolWindow::RamConfiguration,
                                        ToolWindow::MainSettings, ToolWindow::SystemStatus};

// The window's name as the program knows it ("frmWizardMode").
const char* ToolWindowName(ToolWindow window);

using ToolWindowMaker = std::function<std::unique_ptr<ToolForm>()>;

class ToolWindows {
 public:
  explicit ToolWindows(ToolWindowHost& host);
  ~ToolWindows();

  // What fills a slot: a maker, called the first time the window is wanted, or
  // a window that exists already (tests), loaded then.
  void Install(ToolWindow slot, ToolWindowMaker make);
  void Install(ToolWindow slot, ToolForm& window);
  // The frame the windows are hosted in (the main window's, once it is made).
  void HostIn(HWND frame) { frame_ = frame; }

  // The window, made, hosted and loaded now if it was not; nullptr for an empty slot.
  ToolForm* Open(ToolWindow slot);
  // The window when it is loaded, otherwise nullptr: what hiding, closing and
  // the question about unsaved changes visit.
  ToolForm* Loaded(ToolWindow slot) const;

 private:
  struct Slot {
    ToolWindowMaker make;
    std::unique_ptr<ToolForm> made;
    ToolForm* window = nullptr;
  };
  ToolWindowHost& host_;
  HWND frame_ = nullptr;
  std::array<Slot, kToolWindowCount> slots_;
};

}  // namespace quorvane
