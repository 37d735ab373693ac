#include "shell/skin/SkinPainters.h"

#include <algorithm>

#include "ui/Screen.h"

namespace quorvane {

namespace {

constexpr int kGlyphTextGap = 5;     // between a check box's square and its text
constexpr int kCaptionPadding = 3;   // blank either side of a frame's caption, over its border
constexpr int kFocusRingInset = 3;   // from a button's edge to its focus ring

enum class VerticalPlace { Top, Centre, Bottom };

const SkinGradient& FaceFor(const SkinLook& look, const SkinPaintInput& input) {
  if (!input.enabled) return look.faceDisabled;
  if (input.pressed) return look.facePressed;
  if (input.hot) return look.faceHover;
  return look.face;
}

COLORREF TextColour(const SkinLook& look, const SkinPaintInput& input) {
  return ToColorref(input.enabled ? look.text : look.textDisabled);
}

COLORREF BackColour(const SkinLook& look, const SkinPaintInput& input) {
  return look.back ? ToColorref(*look.back) : input.parentBack;
}

// Horizontal alignment of a button's text from its style; `otherwise` when none is given.
UINT ButtonTextAlign(DWORD style, UINT otherwise) {
  switch (style & BS_CENTER) {
    case BS_LEFT: return DT_LEFT;
    case BS_RIGHT: return DT_RIGHT;
    case BS_CENTER: return DT_CENTER;
  }
  return otherwise;
}

VerticalPlace ButtonTextPlace(DWORD style) {
  switch (style & BS_VCENTER) {
    case BS_TOP: return VerticalPlace::Top;
    case BS_BOTTOM: return VerticalPlace::Bottom;
  }
  return VerticalPlace::Centre;
}

// Draws text inside `area` and returns the rectangle the text takes.
RECT DrawTextBlock(HDC dc, const std::string& text, const RECT& area, UINT align, VerticalPlace place, bool wrap,
                   UINT extraFlags) {
  UINT flags = align | extraFlags | (wrap ? DT_WORDBREAK : DT_SINGLELINE);
  RECT measure = area;
  DrawTextA(dc, text.c_str(), -1, &measure, flags | DT_CALCRECT);
  int width = std::min<int>(measure.right - measure.left, area.right - area.left);
  int height = measure.bottom - measure.top;
  int top = place == VerticalPlace::Top      ? area.top
            : place == VerticalPlace::Bottom ? area.bottom - height
                                             : area.top + (area.bottom - area.top - height) / 2;
  RECT drawn{area.left, top, area.right, top + height};
  DrawTextA(dc, text.c_str(), -1, &drawn, flags);
  int left = align == DT_CENTER  ? area.left + (area.right - area.left - width) / 2
             : align == DT_RIGHT ? area.right - width
                                 : area.left;
  return {left, top, left + width, top + height};
}

void PrepareText(HDC dc, COLORREF colour) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
}

void DrawFocusAround(SkinCanvas& canvas, RECT text) {
  InflateRect(&text, 1, 1);
  RECT client{0, 0, canvas.Width(), canvas.Height()};
  IntersectRect(&text, &text, &client);
  SetTextColor(canvas.Dc(), RGB(0, 0, 0));
  SetBkColor(canvas.Dc(), RGB(255, 255, 255));
  DrawFocusRect(canvas.Dc(), &text);
}

// The check box or option button: square (or circle) and text beside it.
struct GlyphLayout {
  RECT glyph;
  RECT textArea;
};

GlyphLayout LayOutGlyph(const SkinCanvas& canvas, DWORD style) {
  const int size = SkinGlyphSize();
  const int width = canvas.Width(), height = canvas.Height();
  bool glyphRight = (style & BS_LEFTTEXT) != 0;
  int top = ButtonTextPlace(style) == VerticalPlace::Top      ? 1
            : ButtonTextPlace(style) == VerticalPlace::Bottom ? height - size - 1
                                                              : (height - size) / 2;
  int left = glyphRight ? width - size - 1 : 1;
  GlyphLayout layout;
  layout.glyph = {left, top, left + size, top + size};
  layout.textArea = glyphRight ? RECT{0, 0, left - kGlyphTextGap, height}
                               : RECT{left + size + kGlyphTextGap, 0, width, height};
  return layout;
}

void PaintGlyphText(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input, const RECT& area) {
  HDC dc = canvas.Dc();
  ScopedSelect font(dc, input.font);
  PrepareText(dc, TextColour(look, input));
  bool glyphRight = (input.style & BS_LEFTTEXT) != 0;
  RECT drawn = DrawTextBlock(dc, input.text, area, ButtonTextAlign(input.style, glyphRight ? DT_RIGHT : DT_LEFT),
                             ButtonTextPlace(input.style), (input.style & BS_MULTILINE) != 0, 0);
  if (input.focused && input.showFocus && !input.text.empty()) DrawFocusAround(canvas, drawn);
}

// Colours of the square or circle: the accent when set, the face otherwise.
struct GlyphColours {
  COLORREF top, bottom, border;
};

GlyphColours GlyphColoursFor(const SkinLook& look, const SkinPaintInput& input, bool filledWithAccent) {
  COLORREF accent = ToColorref(look.accent);
  COLORREF quiet = ToColorref(look.textDisabled);
  COLORREF edge = look.border ? ToColorref(*look.border) : quiet;
  if (!input.enabled) {
    const SkinGradient& face = look.faceDisabled;
    if (filledWithAccent) return {quiet, quiet, quiet};
    return {ToColorref(face.top), ToColorref(face.bottom), MixColours(edge, ToColorref(face.top), 0.4)};
  }
  if (filledWithAccent) {
    COLORREF fill = input.pressed ? MixColours(accent, RGB(0, 0, 0), 0.2)
                    : input.hot   ? MixColours(accent, RGB(255, 255, 255), 0.15)
                                  : accent;
    return {fill, fill, fill};
  }
  const SkinGradient& face = FaceFor(look, input);
  return {ToColorref(face.top), ToColorref(face.bottom), input.hot || input.pressed ? accent : edge};
}

}  // namespace

int SkinGlyphSize() { return MulDiv(13, ScreenDpi(), 96); }

void PaintSkinPushButton(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input) {
  const RECT client{0, 0, canvas.Width(), canvas.Height()};
  canvas.Clear(input.parentBack);
  const SkinGradient& face = FaceFor(look, input);
  std::optional<COLORREF> border = look.border ? std::optional<COLORREF>(ToColorref(*look.border)) : std::nullopt;
  int borderWidth = look.border ? look.borderWidth : 0;
  if (input.isDefault && input.enabled) {
    // Enter presses this one: a stronger outline in the accent colour.
    border = ToColorref(look.accent);
    borderWidth = std::max(borderWidth, 1) + 1;
  }
  canvas.FillRoundRect(client, look.radius, ToColorref(face.top), ToColorref(face.bottom), border, borderWidth);

  if (input.focused && input.showFocus && input.enabled) {
    RECT ring = client;
    InflateRect(&ring, -kFocusRingInset, -kFocusRingInset);
    COLORREF ringColour = MixColours(ToColorref(face.top), ToColorref(look.text), 0.75);
    canvas.StrokeRoundRect(ring, std::max(look.radius - kFocusRingInset + 1, 0), ringColour, 1);
  }

  HDC dc = canvas.Dc();
  ScopedSelect font(dc, input.font);
  PrepareText(dc, TextColour(look, input));
  RECT area = client;
  InflateRect(&area, -(borderWidth + kFocusRingInset + 1), -(borderWidth + 1));
  if (input.pressed) OffsetRect(&area, 1, 1);
  DrawTextBlock(dc, input.text, area, ButtonTextAlign(input.style, DT_CENTER), ButtonTextPlace(input.style),
                (input.style & BS_MULTILINE) != 0, 0);
}

void PaintSkinCheckBox(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input) {
  canvas.Clear(BackColour(look, input));
  GlyphLayout layout = LayOutGlyph(canvas, input.style);
  const RECT& box = layout.glyph;
  const double size = box.right - box.left;
  bool marked = input.check == BST_CHECKED || input.check == BST_INDETERMINATE;
  GlyphColours colours = GlyphColoursFor(look, input, marked);
  double radius = std::min<double>(look.radius, size / 2);
  canvas.FillRoundRect(box, radius, colours.top, colours.bottom, colours.border, 1);
  COLORREF mark = ToColorref(input.enabled ? look.face.top : look.faceDisabled.top);
  const double x = box.left, y = box.top, stroke = std::max(1.6, size / 7);
  if (input.check == BST_CHECKED) {
    canvas.StrokeLine(x + size * 0.24, y + size * 0.52, x + size * 0.43, y + size * 0.71, stroke, mark);
    canvas.StrokeLine(x + size * 0.43, y + size * 0.71, x + size * 0.77, y + size * 0.30, stroke, mark);
  } else if (input.check == BST_INDETERMINATE) {
    canvas.StrokeLine(x + size * 0.27, y + size * 0.5, x + size * 0.73, y + size * 0.5, stroke, mark);
  }
  PaintGlyphText(canvas, look, input, layout.textArea);
}

void PaintSkinRadioBox(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input) {
  canvas.Clear(BackColour(look, input));
  GlyphLayout layout = LayOutGlyph(canvas, input.style);
  const RECT& circle = layout.glyph;
  const double size = circle.right - circle.left;
  bool set = input.check == BST_CHECKED;
  GlyphColours colours = GlyphColoursFor(look, input, false);
  if (set && input.enabled) colours.border = GlyphColoursFor(look, input, true).border;
  canvas.FillRoundRect(circle, size / 2, colours.top, colours.bottom, colours.border, set ? 2 : 1);
  if (set) {
    RECT dot = circle;
    int inset = static_cast<int>(size * 0.3 + 0.5);
    InflateRect(&dot, -inset, -inset);
    COLORREF dotColour = input.enabled ? GlyphColoursFor(look, input, true).top : ToColorref(look.textDisabled);
    canvas.FillRoundRect(dot, size / 2, dotColour, dotColour, std::nullopt, 0);
  }
  PaintGlyphText(canvas, look, input, layout.textArea);
}

void PaintSkinLabel(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input) {
  RECT area{0, 0, canvas.Width(), canvas.Height()};
  canvas.Clear(BackColour(look, input));
  if (look.border && look.borderWidth > 0) {
    canvas.StrokeRoundRect(area, look.radius, ToColorref(*look.border), look.borderWidth);
    InflateRect(&area, -(look.borderWidth + 2), -(look.borderWidth + 1));
  }
  UINT align = DT_LEFT;
  bool wrap = true;
  switch (input.style & SS_TYPEMASK) {
    case SS_CENTER: align = DT_CENTER; break;
    case SS_RIGHT: align = DT_RIGHT; break;
    case SS_LEFTNOWORDWRAP:
    case SS_SIMPLE: wrap = false; break;
  }
  UINT extra = DT_EXPANDTABS | ((input.style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
  VerticalPlace place = (input.style & SS_CENTERIMAGE) ? VerticalPlace::Centre : VerticalPlace::Top;
  HDC dc = canvas.Dc();
  ScopedSelect font(dc, input.font);
  PrepareText(dc, TextColour(look, input));
  DrawTextBlock(dc, input.text, area, align, place, wrap && place == VerticalPlace::Top, extra);
}

void PaintSkinFrame(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input, bool withBorder,
                    bool withCaption) {
  const COLORREF back = BackColour(look, input);
  canvas.Clear(back);
  HDC dc = canvas.Dc();
  ScopedSelect font(dc, input.font);
  SIZE line{0, 0};
  GetTextExtentPoint32A(dc, "Ag", 2, &line);
  bool caption = withCaption && !input.text.empty();
  if (withBorder && look.border && look.borderWidth > 0) {
    // The line runs through the middle of the caption, as frames classically do.
    RECT outline{0, withCaption ? line.cy / 2 : 0, canvas.Width(), canvas.Height()};
    COLORREF colour = ToColorref(*look.border);
    if (!input.enabled) colour = MixColours(colour, back, 0.5);
    canvas.StrokeRoundRect(outline, look.radius, colour, look.borderWidth);
  }
  if (!caption) return;
  SIZE extent{0, 0};
  GetTextExtentPoint32A(dc, input.text.c_str(), static_cast<int>(input.text.size()), &extent);
  const int indent = std::max(8, look.radius + 4);
  int right = std::min<int>(indent + extent.cx, canvas.Width() - kCaptionPadding);
  RECT gap{indent - kCaptionPadding, 0, right + kCaptionPadding, line.cy};
  ScopedBrush backBrush(CreateSolidBrush(back));
  FillRect(dc, &gap, backBrush.get());
  PrepareText(dc, TextColour(look, input));
  RECT place{indent, 0, right, line.cy};
  DrawTextA(dc, input.text.c_str(), -1, &place, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_END_ELLIPSIS);
}

void DrawSkinWindowBorder(HDC dc, const RECT& client, const SkinLook& look) {
  if (!look.border || look.borderWidth <= 0) return;
  ScopedPen pen(CreatePen(PS_INSIDEFRAME, look.borderWidth, ToColorref(*look.border)));
  ScopedSelect selectedPen(dc, pen.get());
  ScopedSelect selectedBrush(dc, GetStockObject(NULL_BRUSH));
  if (look.radius > 0)
    RoundRect(dc, client.left, client.top, client.right, client.bottom, look.radius * 2, look.radius * 2);
  else
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
}

}  // namespace quorvane
