// Draws the movie's glyphs: small line icons, scaled to any square, drawn with
// GDI pens and brushes so no image files are needed.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane {

// Draws the named glyph centred in rect, in the colour; unknown names draw nothing.
void DrawMovieGlyph(HDC dc, const RECT& rect, const std::string& name, COLORREF colour);

}  // namespace quorvane
