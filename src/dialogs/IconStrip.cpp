#include "dialogs/IconStrip.h"

#include "ui/DibSection.h"

namespace quorvane {

namespace {

// A colour no drawing uses: the canvas where the picture left it alone.
constexpr uint32_t kCanvasKey = 0x00FF00FF;

// Averages each kArtScale x kArtScale block of the canvas into one pixel of the
// strip: the colour of the samples the picture covered, and their share as alpha.
void ScaleDown(const DibSection& canvas, DibSection& strip, int tileLeft) {
  constexpr int kSamples = kArtScale * kArtScale;
  for (int y = 0; y < kIconTileSize; ++y) {
    for (int x = 0; x < kIconTileSize; ++x) {
      unsigned covered = 0, red = 0, green = 0, blue = 0;
      for (int sy = 0; sy < kArtScale; ++sy) {
        const uint32_t* row = canvas.Row(y * kArtScale + sy) + x * kArtScale;
        for (int sx = 0; sx < kArtScale; ++sx) {
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
        const unsigned alpha = (covered * 255 + kSamples / 2) / kSamples;
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

ScopedBitmap MakeIconStrip() {
  DibSection strip(kIconTileSize * kIconStripTiles, kIconTileSize);
  DibSection canvas(kArtCanvas, kArtCanvas);
  MemoryDC dc(nullptr);
  if (!strip || !canvas || !dc.get()) return {};
  strip.Fill(0);
  ScopedSelect selected(dc.get(), canvas.Bitmap());
  for (int tile = 1; tile <= kIconStripTiles; ++tile) {
    canvas.Fill(kCanvasKey);
    DrawTileArt(dc.get(), tile);
    GdiFlush();  // the drawing reaches the pixels before they are read
    ScaleDown(canvas, strip, (tile - 1) * kIconTileSize);
  }
  return strip.Release();
}

ScopedBitmap ComposeTile(HBITMAP strip, int tile, COLORREF background, int width, int height) {
  int stripWidth = 0, stripHeight = 0;
  const uint32_t* pixels = DibPixels(strip, &stripWidth, &stripHeight);
  if (!pixels || tile < 1 || tile * kIconTileSize > stripWidth || stripHeight < kIconTileSize) return {};
  DibSection out(width, height);
  if (!out) return {};
  const uint32_t under = PixelFromColour(background);
  out.Fill(under);
  const int offsetX = (width - kIconTileSize) / 2, offsetY = (height - kIconTileSize) / 2;
  for (int y = 0; y < kIconTileSize; ++y) {
    const int outY = y + offsetY;
    if (outY < 0 || outY >= height) continue;
    const uint32_t* row = pixels + static_cast<size_t>(y) * stripWidth + (tile - 1) * kIconTileSize;
    for (int x = 0; x < kIconTileSize; ++x) {
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
