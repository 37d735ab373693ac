// What the program uses of the common controls library. comctl32.dll is not one
// of the libraries Windows always takes from the system folder, so it is not
// imported (an import would load a comctl32.dll planted beside the program before
// the program runs): it is loaded from the system folder by its full path on first use.
#pragma once

#include <windows.h>

namespace quorvane {

// Registers the common control classes (list view, trackbar, up-down, tooltips)
// once per process, before the first form makes its controls.
void EnsureCommonControls();

// An icon of the size x size bitmap, made through an image list as the shell wants
// an icon (no colour masked out); nullptr on failure. The caller destroys it.
HICON IconFromBitmap(HBITMAP bitmap, int size);

}  // namespace quorvane
