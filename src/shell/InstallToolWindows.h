// The one place that knows the concrete tool windows: each built window takes its
// slot in the main window; the others keep their stand-ins.
#pragma once

#include "shell/frmMain.h"

namespace quorvane {

// Creates the program's tool windows (once) and installs them; before main.Load().
void InstallToolWindows(frmMain& main);

}  // namespace quorvane
