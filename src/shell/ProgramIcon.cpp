#include "shell/ProgramIcon.h"

#include "shell/movie/MovieGlyphs.h"
#include "shell/movie/MoviePainter.h"

namespace quorvane {

namespace {

HICON DrawIcon() {
  constexpr int kSide = 32;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP colour = CreateCompatibleBitmap(screen, kSide, kSide);
  HBITMAP mask = CreateBitmap(kSide, kSide, 1, 1, nullptr);
  ReleaseDC(nullptr, screen);

  // The face: a rounded blue tile with the logo.
  HGDIOBJ old = SelectObject(dc, colour);
  RECT all{0, 0, kSide, kSide};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  FillGradient(dc, all, RGB(0x33, 0x91, 0xea), RGB(0x17, 0x40, 0x6c), 6);
  RECT glyph{3, 3, kSide - 3, kSide - 3};
  DrawMovieGlyph(dc, glyph, "logo", RGB(255, 255, 255));

  // The mask: opaque inside the rounded tile, transparent at the corners.
  SelectObject(dc, mask);
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HRGN tile = CreateRoundRectRgn(0, 0, kSide + 1, kSide + 1, 12, 12);
  FillRgn(dc, tile, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  DeleteObject(tile);
  SelectObject(dc, old);
  DeleteDC(dc);

  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour;
  info.hbmMask = mask;
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

}  // namespace

HICON ProgramIcon() {
  static HICON icon = DrawIcon();
  return icon;
}

}  // namespace quorvane
