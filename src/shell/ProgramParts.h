// The program's parts, put together once: the engines that run from start-up
// and, for each tool window slot, how its window is made when first shown.
#pragma once

#include "shell/frmMain.h"

namespace quorvane {

// Gives the main window its engines and its seven tool windows (before it loads).
void InstallProgramParts(frmMain& main);

}  // namespace quorvane
