#include "ui/Frame.h"

#include "ui/ScopedGdi.h"

namespace quorvane {

namespace {

constexpr int kCaptionIndent = 8;   // pixels from the left edge to the caption
constexpr int kCaptionPadding = 2;  // blank either side of the caption, over the line

}  // namespace

Frame::Frame(Container& container, ControlName name, const TwipsRect& place, std::string caption)
    : OwnDrawnControl(container, ControlKind::Frame, std::move(name), place), caption_(std::move(caption)) {}

void Frame::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Invalidate();
}

void Frame::SetBorderVisible(bool visible) {
  borderVisible_ = visible;
  Invalidate();
}

HBRUSH Frame::ContainerBackBrush() const {
  if (HBRUSH own = OwnBackBrush()) return own;
  return Parent() ? Parent()->ContainerBackBrush() : nullptr;
}

void Frame::Draw(HDC dc, const RECT& client) {
  FillRect(dc, &client, EffectiveBackBrush());
  if (!borderVisible_) return;
  ScopedSelect font(dc, Font());
  RECT textBounds{0, 0, 0, 0};
  const char* text = caption_.empty() ? " " : caption_.c_str();
  DrawTextA(dc, text, -1, &textBounds, DT_CALCRECT | DT_SINGLELINE);
  int textHeight = textBounds.bottom;

  RECT border = client;
  border.top = textHeight / 2;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
  if (caption_.empty()) return;

  int width = textBounds.right;
  RECT behind{kCaptionIndent - kCaptionPadding, 0, kCaptionIndent + width + kCaptionPadding, textHeight};
  FillRect(dc, &behind, EffectiveBackBrush());
  if (EffectivelyEnabled()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ForeColor().value_or(GetSysColor(COLOR_BTNTEXT)));
    RECT place{kCaptionIndent, 0, kCaptionIndent + width, textHeight};
    DrawTextA(dc, caption_.c_str(), -1, &place, DT_SINGLELINE | DT_LEFT | DT_TOP);
  } else {
    // The classic disabled look: the text embossed, a light copy under a grey one.
    SetBkMode(dc, TRANSPARENT);
    RECT light{kCaptionIndent + 1, 1, kCaptionIndent + width + 1, textHeight + 1};
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, caption_.c_str(), -1, &light, DT_SINGLELINE | DT_LEFT | DT_TOP);
    RECT grey{kCaptionIndent, 0, kCaptionIndent + width, textHeight};
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, caption_.c_str(), -1, &grey, DT_SINGLELINE | DT_LEFT | DT_TOP);
  }
}

}  // namespace quorvane
