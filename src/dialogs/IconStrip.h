// The balloon's icon strip: the tiles of IconArt side by side in one bitmap (tile
// n at x = (n - 1) * the tile size, which is the strip's height), each pixel's alpha byte telling how much of
// it the picture covers, so a tile can be laid smoothly onto any page colour.
#pragma once

#include <windows.h>

#include "dialogs/IconArt.h"
#include "ui/ScopedGdi.h"

namespace quorvane {

// Draws every tile at four times its designed size and scales it down to
// tileSize pixels (larger on a larger-font screen), averaging the samples that
// fall on each pixel; nullptr when GDI is out of memory.
ScopedBitmap MakeIconStrip(int tileSize = kIconTileSize);

// The tile of the strip blended over the background colour, centred in a bitmap
// of width x height pixels (a tile larger than that is cut evenly on each side).
// nullptr for a tile outside the strip or a strip that MakeIconStrip did not make.
ScopedBitmap ComposeTile(HBITMAP strip, int tile, COLORREF background, int width, int height);

}  // namespace quorvane
