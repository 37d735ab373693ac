#include "ui/ComboBox.h"

#include <algorithm>

#include "ui/ScopedGdi.h"

namespace quorvane {

namespace {

constexpr int kVisibleListItems = 10;  // rows the dropped-down list shows before it scrolls

}  // namespace

ComboBox::ComboBox(Container& container, ControlName name, const TwipsRect& place, std::vector<std::string> items)
    : Control(container, ControlKind::ComboBox, std::move(name), place), items_(std::move(items)) {}

void ComboBox::CreateControlWindow(HWND parent, int id) {
  // The window's height covers the dropped-down list; the closed box takes the
  // height its font needs.
  PixelRect place = PixelBounds();
  TEXTMETRICA metrics{};
  {
    ScreenDC screen;
    ScopedSelect font(screen.get(), Font());
    GetTextMetricsA(screen.get(), &metrics);
  }
  place.height += std::max<int>(metrics.tmHeight + 2, 1) * kVisibleListItems + 2;
  if (!MakeChildWindow("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0, parent, id, &place))
    return;
  for (const std::string& item : items_) Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  Send(CB_SETCURSEL, static_cast<WPARAM>(listIndex_));
}

void ComboBox::AddItem(std::string item) {
  if (hWnd()) Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  items_.push_back(std::move(item));
}

void ComboBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return;
  items_.erase(items_.begin() + index);
  if (hWnd()) Send(CB_DELETESTRING, static_cast<WPARAM>(index));
  if (listIndex_ == index) listIndex_ = -1;
  else if (listIndex_ > index) --listIndex_;
}

void ComboBox::Clear() {
  items_.clear();
  listIndex_ = -1;
  if (hWnd()) Send(CB_RESETCONTENT);
}

std::string ComboBox::List(int index) const {
  return index >= 0 && index < ListCount() ? items_[static_cast<size_t>(index)] : std::string();
}

bool ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return false;
  if (index == listIndex_) return true;
  listIndex_ = index;
  if (!hWnd()) return true;  // the designed selection: no event before the form loads
  Send(CB_SETCURSEL, static_cast<WPARAM>(index));
  Click.Raise(*this);
  return true;
}

bool ComboBox::OnCommand(UINT code) {
  if (code != CBN_SELCHANGE) return false;
  int selected = static_cast<int>(Send(CB_GETCURSEL));
  if (selected != listIndex_) {
    listIndex_ = selected;
    Click.Raise(*this);
  }
  return true;
}

}  // namespace quorvane
