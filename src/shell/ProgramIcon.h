// Quorvane's icon, drawn by the program: the window's and the tray's.
#pragma once

#include <windows.h>

namespace quorvane {

// A 32 x 32 icon, made once and kept for the whole run.
HICON ProgramIcon();

}  // namespace quorvane
