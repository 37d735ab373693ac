#include "shell/ProgramIcon.h"

#include "shell/movie/MovieGlyphs.h"
#include "shell/movie/MoviePainter.h"

namespace quorvane {

namespace {

HICON DrawIcon() {
  constexpr int kSide = 32;
  ScreenDC screen;
  MemoryDC dc(screen.get());
  ScopedBitmap colour(CreateCompatibleBitmap(screen.get(), kSide, kSide));
  ScopedBitmap mask(CreateBitmap(kSide, kSide, 1, 1, nullptr));
  RECT all{0, 0, kSide, kSide};
  {
    // The face: a rounded blue tile with the logo.
    ScopedSelect face(dc.get(), colour.get());
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    FillGradient(dc.get(), all, RGB(0x33, 0x91, 0xea), RGB(0x17, 0x40, 0x6c), 6);
    RECT glyph{3, 3, kSide - 3, kSide - 3};
    DrawMovieGlyph(dc.get(), glyph, "logo", RGB(255, 255, 255));
  }
  {
    // The mask: opaque inside the rounded tile, transparent at the corners.
    ScopedSelect opaque(dc.get(), mask.get());
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ScopedRegion tile(CreateRoundRectRgn(0, 0, kSide + 1, kSide + 1, 12, 12));
    FillRgn(dc.get(), tile.get(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour.get();
  info.hbmMask = mask.get();
  return CreateIconIndirect(&info);
}

}  // namespace

HICON ProgramIcon() {
  static HICON icon = DrawIcon();
  return icon;
}

}  // namespace quorvane
