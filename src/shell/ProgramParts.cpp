#include "shell/ProgramParts.h"

#include <memory>

#include "memory/LowMemoryAlarm.h"
#include "memory/SystemMonitor.h"
#include "memory/frmRamConfiguration.h"
#include "memory/frmSystemStatus.h"
#include "optimizer/advanced/frmAdvancedMode.h"
#include "optimizer/backup/frmBackUp.h"
#include "optimizer/frmWizardMode.h"
#include "pinger/NetPinger.h"
#include "pinger/frmNetPingerSettings.h"
#include "startup/StartupOptions.h"
#include "startup/frmMainSettings.h"

namespace quorvane {

namespace {

class Engines : public ProgramEngines {
 public:
  void Start(ToolWindowHost& host) override {
    host_ = &host;
    startupOptions.Start();
    pinger.Start();
    monitor.Start();
    alarm.Start();  // after the monitor, whose sampler it asks
    // No message box at start-up, which may be straight to the tray: the home line says it.
    if (!startupOptions.LogonProblem().empty()) host.ShowHomeNote(startupOptions.LogonProblem());
  }
  void Stop() override {
    alarm.Stop();
    monitor.Stop();  // the 9x processor counter keeps counting until it is stopped
    pinger.Shutdown();
  }
  bool StartsInTray() const override { return startupOptions.RunsInTray(); }

  StartupOptions startupOptions;
  NetPinger pinger;
  SystemMonitor monitor{[this](const std::string& text) {
    if (host_) host_->SetTrayToolTip(text);
  }};
  LowMemoryAlarm alarm{monitor};

 private:
  ToolWindowHost* host_ = nullptr;
};

template <typename Window, typename... Engine>
ToolWindowMaker MakerOf(Engine&... engine) {
  return [&engine...] { return std::make_unique<Window>(engine...); };
}

}  // namespace

void InstallProgramParts(frmMain& main) {
  // They live as long as the program, as the main window does.
  static Engines engines;
  main.UseEngines(engines);
  ToolWindows& slots = main.ToolWindowSlots;
  slots.Install(ToolWindow::WizardMode, MakerOf<frmWizardMode>());
  slots.Install(ToolWindow::AdvancedMode, MakerOf<frmAdvancedMode>());
  slots.Install(ToolWindow::BackUp, MakerOf<frmBackUp>());
  slots.Install(ToolWindow::NetPingerSettings, MakerOf<frmNetPingerSettings>(engines.pinger));
  slots.Install(ToolWindow::SystemStatus, MakerOf<frmSystemStatus>(engines.monitor));
  slots.Install(ToolWindow::RamConfiguration, MakerOf<frmRamConfiguration>(engines.alarm));
  slots.Install(ToolWindow::MainSettings, MakerOf<frmMainSettings>());
}

}  // namespace quorvane
