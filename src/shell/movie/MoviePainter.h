// Paints a movie page: the static background once into a bitmap, the buttons over
// it in their current looks.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "shell/movie/MovieScene.h"
#include "ui/ScopedGdi.h"

namespace quorvane {

enum class ButtonLook { Normal, Hover, Pressed };

class MoviePainter {
 public:
  // Variables the program set, by name, for the texts that show one.
  using Variables = std::map<std::string, std::string>;

  // Fills, texts and glyphs of the shared layer and the page, in file order.
  void PaintBackground(HDC dc, const MovieScene& scene, const MoviePage& page, const Variables& variables);

  void PaintButton(HDC dc, const MovieScene& scene, const MovieButton& button, ButtonLook look, bool focused);

  // The font texts of that size are drawn in, kept as long as the painter.
  HFONT Font(const MovieScene& scene, int points, bool bold);

 private:
  void PaintLayer(HDC dc, const MovieScene& scene, const MoviePage& layer, const Variables& variables);

  std::map<std::pair<int, bool>, ScopedFont> fonts_;
};

// The words a text shows: its variable's value when the program set one, else its own.
const std::string& ShownText(const MovieText& text, const MoviePainter::Variables& variables);

// A vertical gradient from top to bottom colour, clipped to a rounded rectangle.
void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom, int radius);

inline COLORREF ToColorref(const MovieColour& c) { return RGB(c.r, c.g, c.b); }

}  // namespace quorvane
