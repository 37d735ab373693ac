#include "shell/movie/MoviePainter.h"

#include <algorithm>
#include <cstdint>

#include "shell/movie/MovieGlyphs.h"
#include "ui/Twips.h"

namespace quorvane {

namespace {

// Held to what GDI draws everywhere (16-bit coordinates on the 9x family): a scene
// may place a shape far beyond its face, where nothing of it shows anyway.
LONG ToGdi(int coordinate) { return std::clamp(coordinate, -32767, 32767); }

RECT ToRect(const MovieRect& r) { return {ToGdi(r.x), ToGdi(r.y), ToGdi(r.Right()), ToGdi(r.Bottom())}; }

UINT AlignFlags(MovieTextAlign align) {
  switch (align) {
    case MovieTextAlign::Centre: return DT_CENTER;
    case MovieTextAlign::Right: return DT_RIGHT;
    case MovieTextAlign::Left: break;
  }
  return DT_LEFT;
}

int Mix(int a, int b, int step, int steps) { return a + static_cast<int>(int64_t{b - a} * step / steps); }

}  // namespace

const std::string& ShownText(const MovieText& text, const MoviePainter::Variables& variables) {
  auto variable = text.variable.empty() ? variables.end() : variables.find(text.variable);
  return variable != variables.end() && !variable->second.empty() ? variable->second : text.text;
}

void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom, int radius) {
  int saved = SaveDC(dc);
  if (radius > 0) {
    ScopedRegion clip(CreateRoundRectRgn(rect.left, rect.top, rect.right + 1, rect.bottom + 1, radius * 2, radius * 2));
    ExtSelectClipRgn(dc, clip.get(), RGN_AND);
  }
  const int height = rect.bottom - rect.top;
  if (top == bottom || height <= 1) {
    ScopedBrush brush(CreateSolidBrush(top));
    FillRect(dc, &rect, brush.get());
  } else {
    // One band per pixel row; GradientFill is not on every system the program runs on.
    // Only the rows that can show are drawn: a shape may be far taller than the face.
    RECT visible{};
    GetClipBox(dc, &visible);
    const int first = std::max<int>(0, visible.top - rect.top);
    const int last = std::min<int>(height, visible.bottom - rect.top);
    for (int y = first; y < last; ++y) {
      COLORREF colour = RGB(Mix(GetRValue(top), GetRValue(bottom), y, height - 1),
                            Mix(GetGValue(top), GetGValue(bottom), y, height - 1),
                            Mix(GetBValue(top), GetBValue(bottom), y, height - 1));
      ScopedBrush brush(CreateSolidBrush(colour));
      RECT row{rect.left, rect.top + y, rect.right, rect.top + y + 1};
      FillRect(dc, &row, brush.get());
    }
  }
  RestoreDC(dc, saved);
}

HFONT MoviePainter::Font(const MovieScene& scene, int points, bool bold) {
  auto key = std::make_pair(points, bold);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.get();
  // Text sizes are points, set at the resolution the scene was laid out for.
  HFONT font = CreateFontA(-MulDiv(points, scene.dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, 5 /* CLEARTYPE_QUALITY */, DEFAULT_PITCH,
                           scene.fontFace.c_str());
  return fonts_.emplace(key, ScopedFont(font)).first->second.get();
}

void MoviePainter::PaintLayer(HDC dc, const MovieScene& scene, const MoviePage& layer, const Variables& variables) {
  SetBkMode(dc, TRANSPARENT);
  for (const auto& [kind, index] : layer.order) {
    switch (kind) {
      case MoviePage::Kind::Fill: {
        const MovieFill& fill = layer.fills[index];
        RECT r = ToRect(fill.rect);
        FillGradient(dc, r, ToColorref(fill.top), ToColorref(fill.bottom), fill.radius);
        if (fill.outline) {
          ScopedPen pen(CreatePen(PS_SOLID, 1, ToColorref(*fill.outline)));
          ScopedSelect selectedPen(dc, pen.get());
          ScopedSelect selectedBrush(dc, GetStockObject(NULL_BRUSH));
          RoundRect(dc, r.left, r.top, r.right, r.bottom, fill.radius * 2, fill.radius * 2);
        }
        break;
      }
      case MoviePage::Kind::Text: {
        const MovieText& text = layer.texts[index];
        RECT r = ToRect(text.rect);
        ScopedSelect font(dc, Font(scene, text.size, text.bold));
        SetTextColor(dc, ToColorref(text.colour));
        DrawTextA(dc, ShownText(text, variables).c_str(), -1, &r, AlignFlags(text.align) | DT_WORDBREAK | DT_NOPREFIX);
        break;
      }
      case MoviePage::Kind::Glyph: {
        const MovieGlyph& glyph = layer.glyphs[index];
        DrawMovieGlyph(dc, ToRect(glyph.rect), glyph.name, ToColorref(glyph.colour));
        break;
      }
    }
  }
}

void MoviePainter::PaintBackground(HDC dc, const MovieScene& scene, const MoviePage& page,
                                   const Variables& variables) {
  RECT all{0, 0, scene.width, scene.height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  PaintLayer(dc, scene, scene.shared, variables);
  PaintLayer(dc, scene, page, variables);
}

void MoviePainter::PaintButton(HDC dc, const MovieScene& scene, const MovieButton& button, ButtonLook look,
                               bool focused) {
  if (button.drag) return;
  const MovieButtonStyle& style = scene.StyleFor(button.style);
  auto px = [&scene](int designPixels) { return ScaleDesignPixels(designPixels, scene.dpi); };
  RECT r = ToRect(button.rect);
  MovieColour top = style.faceTop, bottom = style.faceBottom;
  if (look == ButtonLook::Hover) top = style.hoverTop, bottom = style.hoverBottom;
  if (look == ButtonLook::Pressed) top = style.pressedTop, bottom = style.pressedBottom;
  FillGradient(dc, r, ToColorref(top), ToColorref(bottom), style.radius);
  {
    ScopedPen pen(
        CreatePen(PS_SOLID, focused ? px(2) : px(1), focused ? ToColorref(style.text) : ToColorref(style.outline)));
    ScopedSelect selectedPen(dc, pen.get());
    ScopedSelect selectedBrush(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, style.radius * 2, style.radius * 2);
  }

  const int inset = look == ButtonLook::Pressed ? px(1) : 0;  // the face sinks a pixel when pressed
  const int height = r.bottom - r.top;
  RECT content{r.left + px(10) + inset, r.top + inset, r.right - px(10) + inset, r.bottom + inset};
  if (!button.glyph.empty()) {
    int side = button.label.empty() ? std::min<int>(r.right - r.left, height) - px(10)
                                    : std::min(height - px(12), px(26));
    RECT glyph;
    if (button.label.empty()) {
      int cx = (r.left + r.right) / 2 + inset, cy = (r.top + r.bottom) / 2 + inset;
      glyph = {cx - side / 2, cy - side / 2, cx + side / 2, cy + side / 2};
    } else {
      int cy = (r.top + r.bottom) / 2 + inset;
      glyph = {content.left, cy - side / 2, content.left + side, cy + side / 2};
      content.left += side + px(10);
    }
    DrawMovieGlyph(dc, glyph, button.glyph, ToColorref(style.glyph));
  }
  if (!button.label.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorref(style.text));
    ScopedSelect font(dc, Font(scene, style.textSize, style.bold));
    // A label's "&" underlines the letter that Alt presses it with.
    DrawTextA(dc, button.label.c_str(), -1, &content,
              AlignFlags(style.align) | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  }
}

}  // namespace quorvane
