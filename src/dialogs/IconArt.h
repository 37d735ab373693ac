// The pictures of the balloon's icon tiles, drawn with GDI on a canvas four
// times the tile's size; the icon strip scales them down with smooth edges.
#pragma once

#include <windows.h>

namespace quorvane {

inline constexpr int kIconTileSize = 32;  // pixels, square
inline constexpr int kArtScale = 4;
inline constexpr int kArtCanvas = kIconTileSize * kArtScale;

// Tile numbers of the icon strip: 1 to 7 the message icons, 9 to 11 the close
// image of the automatic box (normal, hot, pressed); 8 is left empty.
enum IconTile : int {
  kTileCritical = 1,
  kTileExclamation = 2,
  kTileInformation = 3,
  kTileQuestion = 4,
  kTileDone = 5,
  kTileClock = 6,
  kTileNetwork = 7,
  kTileCloseNormal = 9,
  kTileCloseHot = 10,
  kTileClosePressed = 11,
};
inline constexpr int kIconStripTiles = 11;

// Draws a tile's picture over (0, 0)-(kArtCanvas, kArtCanvas) of dc; the pixels
// it leaves alone keep the canvas colour. Unknown tiles draw nothing.
void DrawTileArt(HDC dc, int tile);

}  // namespace quorvane
