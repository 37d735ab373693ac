#include "ui/Slider.h"

#include <algorithm>

namespace quorvane {

Slider::Slider(Container& container, ControlName name, const TwipsRect& place, int min, int max, bool vertical)
    : Control(container, ControlKind::Slider, std::move(name), place),
      min_(std::min(min, max)),
      max_(std::max(min, max)),
      value_(min_),
      vertical_(vertical) {}

void Slider::CreateControlWindow(HWND parent, int id) {
  DWORD style = TBS_AUTOTICKS | (vertical_ ? TBS_VERT : TBS_HORZ) | WS_TABSTOP | WS_GROUP;
  if (!MakeChildWindow(TRACKBAR_CLASSA, "", style, 0, parent, id)) return;
  Send(TBM_SETRANGEMIN, FALSE, min_);
  Send(TBM_SETRANGEMAX, FALSE, max_);
  Send(TBM_SETLINESIZE, 0, smallChange_);
  Send(TBM_SETPAGESIZE, 0, largeChange_);
  Send(TBM_SETTICFREQ, static_cast<WPARAM>(tickFrequency_), 0);
  Send(TBM_SETPOS, TRUE, value_);
}

void Slider::SetRange(int min, int max) {
  min_ = std::min(min, max);
  max_ = std::max(min, max);
  if (hWnd()) {
    Send(TBM_SETRANGEMIN, FALSE, min_);
    Send(TBM_SETRANGEMAX, TRUE, max_);
  }
  NoteValue(std::clamp(value_, min_, max_));
  if (hWnd()) Send(TBM_SETPOS, TRUE, value_);
}

void Slider::SetValue(int value) {
  value = std::clamp(value, min_, max_);
  if (hWnd()) Send(TBM_SETPOS, TRUE, value);
  NoteValue(value);
}

void Slider::SetSmallChange(int step) {
  smallChange_ = step;
  Send(TBM_SETLINESIZE, 0, step);
}

void Slider::SetLargeChange(int step) {
  largeChange_ = step;
  Send(TBM_SETPAGESIZE, 0, step);
}

void Slider::SetTickFrequency(int frequency) {
  tickFrequency_ = frequency;
  Send(TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
}

void Slider::NoteValue(int value) {
  if (value == value_) return;
  value_ = value;
  if (hWnd()) Change.Raise(*this);
}

void Slider::OnScroll(int code) {
  NoteValue(static_cast<int>(Send(TBM_GETPOS)));
  if (code == TB_THUMBTRACK) Scroll.Raise(*this);
  if (code == TB_ENDTRACK) Click.Raise(*this);
}

}  // namespace quorvane
