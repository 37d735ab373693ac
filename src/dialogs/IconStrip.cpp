#include "dialogs/IconStrip.h"

#include "ui/DibSection.h"

namespace quorvane {

namespace {

// A colour no drawing uses: the canvas where the picture left it alone.
constexpr uint32_t kCanvasKey = 0x00FF00FF;

// Averages each block of the canvas that falls on one pixel of the strip's tile
// (kArtScale x kArtScale at the designed size; fewer samples for a larger tile):
// the colour of the samples the picture covered, and their share as alpha.
void ScaleDown(const DibSection& canvas, DibSection& strip, int tileLeft, int tileSize) {
  auto first = [tileSize](int pixel) { return pixel * kArtCanvas / tileSize; };
  for (int y = 0; y < tileSize; ++y) {
    for (int x = 0; x < tileSize; ++x) {
      unsigned samples = 0, covered = 0, red = 0, green = 0, blue = 0;
      for (int sy = first(y); sy < first(y + 1); ++sy) {
        const uint32_t* row = canvas.Row(sy);
        for (int sx = first(x); sx < first(x + 1); ++sx) {
          ++samples;
          const uint32_t sample = row[sx] & 0x00FFFFFF;
          if (sample == kCanvasKey) continue;
          ++covered;
          red += (sample >> 16) & 0xFF;
          green += (sample >> 8) & 0xFF;
          blue += sample & 0xFF;
        }
      }
      uint32_t pixel = 0;
      if (covered) {
        const unsigned alpha = (covered * 255 + samples / 2) / samples;
        pixel = (alpha << 24) | ((red / covered) << 16) | ((green / covered) << 8) | (blue / covered);
      }
      strip.At(tileLeft + x, y) = pixel;
    }
  }
}

uint8_t Blend(uint32_t over, uint32_t under, unsigned alpha, int shift) {
  const unsigned a = (over >> shift) & 0xFF, b = (under >> shift) & 0xFF;
  return static_cast<uint8_t>((a * alpha + b * (255 - alpha) + 127) / 255);
}

}  // namespace

ScopedBitmap MakeIconStrip(int tileSize) {
  tileSize = tileSize < 1 ? 1 : tileSize > kArtCanvas ? kArtCanvas : tileSize;
  DibSection strip(tileSize * kIconStripTiles, tileSize);
  DibSection canvas(kArtCanvas, kArtCanvas);
  MemoryDC dc(nullptr);
  if (!strip || !canvas || !dc.get()) return {};
  strip.Fill(0);
  ScopedSelect selected(dc.get(), canvas.Bitmap());
  for (int tile = 1; tile <= kIconStripTiles; ++tile) {
    canvas.Fill(kCanvasKey);
    DrawTileArt(dc.get(), tile);
    GdiFlush();  // the drawing reaches the pixels before they are read
    ScaleDown(canvas, strip, (tile - 1) * tileSize, tileSize);
  }
  return strip.Release();
}

ScopedBitmap ComposeTile(HBITMAP strip, int tile, COLORREF background, int width, int height) {
  int stripWidth = 0, stripHeight = 0;
  const uint32_t* pixels = DibPixels(strip, &stripWidth, &stripHeight);
  const int tileSize = stripHeight;  // the tiles are square
  if (!pixels || tile < 1 || tile * tileSize > stripWidth || tileSize < 1) return {};
  DibSection out(width, height);
  if (!out) return {};
  const uint32_t under = PixelFromColour(background);
  out.Fill(under);
  const int offsetX = (width - tileSize) / 2, offsetY = (height - tileSize) / 2;
  for (int y = 0; y < tileSize; ++y) {
    const int outY = y + offsetY;
    if (outY < 0 || outY >= height) continue;
    const uint32_t* row = pixels + static_cast<size_t>(y) * stripWidth + (tile - 1) * tileSize;
    for (int x = 0; x < tileSize; ++x) {
      const int outX = x + offsetX;
      if (outX < 0 || outX >= width) continue;
      const unsigned alpha = row[x] >> 24;
      if (alpha == 0) continue;
      out.At(outX, outY) = (static_cast<uint32_t>(Blend(row[x], under, alpha, 16)) << 16) |
                           (static_cast<uint32_t>(Blend(row[x], under, alpha, 8)) << 8) |
                           Blend(row[x], under, alpha, 0);
    }
  }
  return out.Release();
}

}  // namespace quorvane
