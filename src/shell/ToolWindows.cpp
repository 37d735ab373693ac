#include "shell/ToolWindows.h"

namespace quorvane {

namespace {

const char* const kNames[kToolWindowCount] = {"frmWizardMode",      "frmAdvancedMode",     "frmBackUp",
                                              "frmNetPingerSettings", "frmSystemStatus", "frmRamConfiguration",
                                              "frmMainSettings"};

}  // namespace

const char* ToolWindowName(ToolWindow window) { return kNames[static_cast<int>(window)]; }

ToolWindows::ToolWindows(ToolWindowHost& host) : host_(host) {}

ToolWindows::~ToolWindows() = default;

void ToolWindows::Install(ToolWindow slot, ToolWindowMaker make) {
  slots_[static_cast<int>(slot)] = Slot{std::move(make), nullptr, nullptr};
}

void ToolWindows::Install(ToolWindow slot, ToolForm& window) {
  slots_[static_cast<int>(slot)] = Slot{nullptr, nullptr, &window};
}

ToolForm* ToolWindows::Open(ToolWindow slot) {
  Slot& s = slots_[static_cast<int>(slot)];
  if (!s.window && s.make) {
    s.made = s.make();
    s.window = s.made.get();
  }
  if (!s.window) return nullptr;
  if (!s.window->IsLoaded()) {
    s.window->AttachHost(host_);
    // A child of the frame from the start: it never shows on the desktop.
    if (frame_ && s.window->HostWindow() != frame_) s.window->HostIn(frame_);
    s.window->Load();
  }
  return s.window;
}

ToolForm* ToolWindows::Loaded(ToolWindow slot) const {
  ToolForm* window = slots_[static_cast<int>(slot)].window;
  return window && window->IsLoaded() ? window : nullptr;
}

}  // namespace quorvane
