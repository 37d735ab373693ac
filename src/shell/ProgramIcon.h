// Quorvane's icon, drawn by the program: the window's and the tray's, and the
// build's icon resource (tools/program_icon_file.cpp).
#pragma once

#include <windows.h>

namespace quorvane {

// Draws the icon's face in the square (0, 0)-(side, side) of the DC.
void DrawProgramIconFace(HDC dc, int side);

// The icon's opaque part: a rounded tile. The caller deletes the region.
HRGN CreateProgramIconShape(int side);

// A 32 x 32 icon, made once and kept for the whole run.
HICON ProgramIcon();

}  // namespace quorvane
