#include "shell/ToolWindows.h"

#include "ui/Label.h"

namespace quorvane {

namespace {

const char* const kNames[kToolWindowCount] = {"frmWizardMode",      "frmAdvancedMode",     "frmBackUp",
                                              "frmNetPingerSettings", "frmSystemStatus", "frmRamConfiguration",
                                              "frmMainSettings"};
const char* const kTitles[kToolWindowCount] = {"Wizard Mode",    "Advanced Mode", "Backup Manager",
                                               "Net Pinger",     "System Status", "RAM Booster",
                                               "Settings"};

// Fills a slot until its window is built: the frame's size, a title and a note.
class StandInWindow : public Form {
 public:
  StandInWindow(const char* name, const char* title)
      : Form(name, title, {5400, 3660}, FormOptions{.border = FormBorder::None}) {
    lblTitle.SetFont(FontChoice{.face = "Tahoma", .points = 12, .bold = true});
  }

 private:
  Label lblTitle{*this, "lblTitle", {240, 300, 4920, 420}, Caption()};
  Label lblNote{*this, "lblNote", {240, 900, 4920, 1200},
                "This window is not part of this build of Quorvane yet. Every other part of the "
                "program works without it."};
};

}  // namespace

const char* ToolWindowName(ToolWindow window) { return kNames[static_cast<int>(window)]; }

ToolWindows::ToolWindows(ToolWindowHost& host) : host_(host) {
  for (int i = 0; i < kToolWindowCount; ++i) {
    standIns_[i] = std::make_unique<StandInWindow>(kNames[i], kTitles[i]);
    windows_[i] = standIns_[i].get();
  }
}

ToolWindows::~ToolWindows() = default;

void ToolWindows::Install(ToolWindow slot, ToolForm& window) {
  window.AttachHost(host_);
  Install(slot, static_cast<Form&>(window));
}

void ToolWindows::Install(ToolWindow slot, Form& window) { windows_[static_cast<int>(slot)] = &window; }

bool ToolWindows::IsStandIn(ToolWindow slot) const {
  const int i = static_cast<int>(slot);
  return windows_[i] == standIns_[i].get();
}

}  // namespace quorvane
