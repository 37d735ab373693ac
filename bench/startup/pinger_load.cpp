// What the net pinger adds to start-up, measured inside one process: the main
// window's Load alone, and with the pinger's engine started (enabled) before
// it, alternately; its window is made only when first shown. Less noisy than
// whole-process start-ups on a shared machine.
//   bench_pinger_load [--reps N]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../probes/bench_timing.h"
#include "pinger/frmNetPingerSettings.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "support/RecordingEffects.h"
#include "system/Effects.h"

using namespace quorvane;
using quorvane::probes::Median;
using quorvane::probes::NowMs;

namespace {

double TimeMainLoad(bool withPinger) {
  frmMain main;
  NetPinger engine;
  frmNetPingerSettings pinger(engine);
  main.ToolWindowSlots.Install(ToolWindow::NetPingerSettings, pinger);
  const double start = NowMs();
  if (withPinger) engine.Start();
  main.Load();
  const double elapsed = NowMs() - start;
  main.Unload();
  engine.Shutdown();
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  int reps = 25;
  if (argc == 3 && std::string(argv[1]) == "--reps") reps = std::max(1, std::atoi(argv[2]));
  // Unloading the main window ends the process; recorded effects keep it running.
  testing::RecordingEffects effects;
  SetEffects(&effects);
  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
  for (const char* value : {"chkDoPinging=1", "optAuto=False", "optManual=True", "txtPingHost=127.0.0.1",
                            "cmbPingInterval=0"}) {
    const std::string pair = value;
    SaveAppSetting(kNetPingerSection, pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
  }
  std::vector<double> without, real, differences;
  for (int rep = 0; rep < reps + 1; ++rep) {  // the first pair warms up and is dropped
    const bool realFirst = rep % 2 == 1;
    const double first = TimeMainLoad(realFirst), second = TimeMainLoad(!realFirst);
    if (rep == 0) continue;
    const double withPinger = realFirst ? first : second, alone = realFirst ? second : first;
    real.push_back(withPinger);
    without.push_back(alone);
    differences.push_back(withPinger - alone);
  }
  std::printf("Main window Load, medians of %d alternating pairs: with the pinger's engine started %.1f ms, "
              "without %.1f ms, paired difference %+.1f ms (target at most +5)\n",
              reps, Median(real), Median(without), Median(differences));
  return 0;
}
