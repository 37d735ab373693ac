#include "shell/ProgramIcon.h"

#include "shell/movie/MovieGlyphs.h"
#include "shell/movie/MoviePainter.h"

namespace quorvane {

namespace {

// Designed at 32 pixels; other sizes scale these.
int Scaled(int at32, int side) { return (at32 * side + 16) / 32; }

HICON DrawIcon() {
  constexpr int kSide = 32;
  ScreenDC screen;
  MemoryDC dc(screen.get());
  ScopedBitmap colour(CreateCompatibleBitmap(screen.get(), kSide, kSide));
  ScopedBitmap mask(CreateBitmap(kSide, kSide, 1, 1, nullptr));
  {
    ScopedSelect face(dc.get(), colour.get());
    DrawProgramIconFace(dc.get(), kSide);
  }
  {
    // The mask: opaque inside the rounded tile, transparent at the corners.
    ScopedSelect opaque(dc.get(), mask.get());
    RECT all{0, 0, kSide, kSide};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ScopedRegion tile(CreateProgramIconShape(kSide));
    FillRgn(dc.get(), tile.get(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour.get();
  info.hbmMask = mask.get();
  return CreateIconIndirect(&info);
}

}  // namespace

void DrawProgramIconFace(HDC dc, int side) {
  // A rounded blue tile with the logo.
  RECT all{0, 0, side, side};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  FillGradient(dc, all, RGB(0x33, 0x91, 0xea), RGB(0x17, 0x40, 0x6c), Scaled(6, side));
  const int margin = Scaled(3, side);
  RECT glyph{margin, margin, side - margin, side - margin};
  DrawMovieGlyph(dc, glyph, "logo", RGB(255, 255, 255));
}

HRGN CreateProgramIconShape(int side) {
  const int corner = Scaled(12, side);
  return CreateRoundRectRgn(0, 0, side + 1, side + 1, corner, corner);
}

HICON ProgramIcon() {
  static HICON icon = DrawIcon();
  return icon;
}

}  // namespace quorvane
