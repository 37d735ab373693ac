// The seven tool windows the main window hosts, and the fixed orders in which
// the program visits them. A window not built yet is stood in for by a plain one
// saying so, so every command and order works now and each window plugs in here.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "ui/Form.h"
#include "ui/ToolWindowHost.h"

namespace quorvane {

enum class ToolWindow { WizardMode, AdvancedMode, BackUp, NetPingerSettings, SystemStatus, RamConfiguration,
                        MainSettings };

constexpr int kToolWindowCount = 7;
using ToolWindowOrder = std::array<ToolWindow, kToolWindowCount>;

// Start-up's load order, and the order of "about", "closeAbout", "main" and "close".
constexpr ToolWindowOrder kLoadOrder = {ToolWindow::WizardMode, ToolWindow::AdvancedMode, ToolWindow::BackUp,
                                        ToolWindow::NetPingerSettings, ToolWindow::SystemStatus,
                                        ToolWindow::RamConfiguration, ToolWindow::MainSettings};
// The order of showToolWindow's hiding, of the main window's unload and of "restart".
constexpr ToolWindowOrder kHideOrder = {ToolWindow::WizardMode, ToolWindow::AdvancedMode, ToolWindow::BackUp,
                                        ToolWindow::NetPingerSettings, ToolWindow::RamConfiguration,
                                        ToolWindow::MainSettings, ToolWindow::SystemStatus};

// The window's name as the program knows it ("frmWizardMode").
const char* ToolWindowName(ToolWindow window);

class ToolWindows {
 public:
  explicit ToolWindows(ToolWindowHost& host);
  ~ToolWindows();

  // Puts a real window in a slot (before the main window loads them); a tool
  // window gets the host.
  void Install(ToolWindow slot, ToolForm& window);
  void Install(ToolWindow slot, Form& window);
  Form& operator[](ToolWindow slot) const { return *windows_[static_cast<int>(slot)]; }
  // True while the slot holds the stand-in.
  bool IsStandIn(ToolWindow slot) const;

 private:
  ToolWindowHost& host_;
  std::array<Form*, kToolWindowCount> windows_{};
  std::array<std::unique_ptr<Form>, kToolWindowCount> standIns_;
};

}  // namespace quorvane
