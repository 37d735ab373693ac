#include "ui/UpDown.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "common/NumberText.h"
#include "ui/TextBox.h"

namespace quorvane {

UpDown::UpDown(TextBox& buddy, ControlName name, int min, int max, int increment)
    : Control(*buddy.Parent(), ControlKind::UpDown, std::move(name), buddy.PlacementTwips()),
      buddy_(buddy),
      min_(min),
      max_(max),
      increment_(increment),
      value_(min) {}

int UpDown::Clamp(int value) const { return std::clamp(value, std::min(min_, max_), std::max(min_, max_)); }

void UpDown::CreateControlWindow(HWND parent, int id) {
  DWORD style = UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK;
  PixelRect buddyPlace = buddy_.PixelBounds();
  PixelRect place{buddyPlace.left + buddyPlace.width, buddyPlace.top, 16, buddyPlace.height};
  if (!MakeChildWindow(UPDOWN_CLASSA, "", style, 0, parent, id, &place)) return;
  // The value the box shows, when it shows one; the position is set before the
  // buddy is attached, so that attaching does not rewrite the box's text.
  if (auto shown = ParseWholeNumber(buddy_.Text()); shown && *shown >= INT32_MIN && *shown <= INT32_MAX)
    value_ = Clamp(static_cast<int>(*shown));

  Send(UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  Send(UDM_SETPOS32, 0, value_);
  UDACCEL step{0, static_cast<UINT>(std::max(increment_, 1))};
  Send(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
  if (buddy_.hWnd()) Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy_.hWnd()));
}

void UpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  Send(UDM_SETRANGE32, static_cast<WPARAM>(min), max);
}

void UpDown::SetIncrement(int increment) {
  increment_ = increment;
  UDACCEL step{0, static_cast<UINT>(std::max(increment, 1))};
  Send(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
}

int UpDown::Value() const {
  // Read from the box here: not every comctl32 reads the buddy for UDM_GETPOS32.
  if (!hWnd()) return value_;
  auto shown = ParseWholeNumber(buddy_.Text());
  if (shown && *shown >= std::min(min_, max_) && *shown <= std::max(min_, max_)) value_ = static_cast<int>(*shown);
  return value_;
}

void UpDown::SetValue(int value) {
  value = Clamp(value);
  int before = Value();
  value_ = value;
  if (!hWnd()) return;
  Send(UDM_SETPOS32, 0, value);
  buddy_.SetText(std::to_string(value));  // the box's own Change, if its text differs
  if (value != before) Change.Raise(*this);
}

void UpDown::OnScroll(int code) {
  if (code != SB_THUMBPOSITION) return;  // one notification per step
  int before = value_;
  if (Value() != before) Change.Raise(*this);
}

}  // namespace quorvane
