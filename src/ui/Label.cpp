#include "ui/Label.h"

namespace quorvane {

Label::Label(Container& container, ControlName name, const TwipsRect& place, std::string caption, TextAlign align)
    : Label(container, ControlKind::Label, std::move(name), place, std::move(caption), align) {}

Label::Label(Container& container, ControlKind kind, ControlName name, const TwipsRect& place, std::string caption,
             TextAlign align)
    : Control(container, kind, std::move(name), place), caption_(std::move(caption)), align_(align) {}

void Label::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  if (hWnd()) SetWindowTextA(hWnd(), caption_.c_str());
}

void Label::CreateControlWindow(HWND parent, int id) {
  DWORD style = align_ == TextAlign::Center ? SS_CENTER : align_ == TextAlign::Right ? SS_RIGHT : SS_LEFT;
  // SS_NOTIFY: the label takes mouse input itself (Click, and mouse events that
  // forms use to drag a borderless window).
  MakeChildWindow("STATIC", caption_, style | SS_NOTIFY | WS_GROUP, 0, parent, id);
}

bool Label::OnCommand(UINT code) {
  if (code != STN_CLICKED) return false;
  Click.Raise(*this);
  return true;
}

}  // namespace quorvane
