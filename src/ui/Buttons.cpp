#include "ui/Buttons.h"

#include "ui/Form.h"

namespace quorvane {

namespace {

void SetTabStop(HWND hwnd, bool tabStop) {
  if (!hwnd) return;
  LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  LONG_PTR wanted = tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  if (wanted != style) SetWindowLongPtrA(hwnd, GWL_STYLE, wanted);
}

}  // namespace

// ---- CommandButton ----

CommandButton::CommandButton(Container& container, ControlName name, const TwipsRect& place, std::string caption)
    : Control(container, ControlKind::CommandButton, std::move(name), place), caption_(std::move(caption)) {}

void CommandButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (hWnd()) SetWindowTextA(hWnd(), caption_.c_str());
}

void CommandButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  if (isDefault) OwnerForm().SetDefaultButton(this);
  else if (OwnerForm().DefaultButton() == this) OwnerForm().SetDefaultButton(nullptr);
  if (hWnd()) Send(BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void CommandButton::SetCancel(bool isCancel) {
  cancel_ = isCancel;
  if (isCancel) OwnerForm().SetCancelButton(this);
  else if (OwnerForm().CancelButton() == this) OwnerForm().SetCancelButton(nullptr);
}

void CommandButton::CreateControlWindow(HWND parent, int id) {
  DWORD style = (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | WS_GROUP;
  MakeChildWindow("BUTTON", caption_, style, 0, parent, id);
}

bool CommandButton::OnCommand(UINT code) {
  if (code != BN_CLICKED) return false;
  Click.Raise(*this);
  return true;
}

// ---- CheckBox ----

CheckBox::CheckBox(Container& container, ControlName name, const TwipsRect& place, std::string caption, int value)
    : Control(container, ControlKind::CheckBox, std::move(name), place),
      caption_(std::move(caption)),
      value_(value >= kUnchecked && value <= kGrayed ? value : kUnchecked) {}

void CheckBox::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (hWnd()) SetWindowTextA(hWnd(), caption_.c_str());
}

bool CheckBox::SetValue(int value) {
  if (value < kUnchecked || value > kGrayed) return false;
  if (value == value_) return true;
  value_ = value;
  if (!hWnd()) return true;
  Send(BM_SETCHECK, static_cast<WPARAM>(value));
  Click.Raise(*this);
  return true;
}

void CheckBox::CreateControlWindow(HWND parent, int id) {
  // Not an automatic box: this object decides the value, so that code and user
  // changes take the same path.
  if (MakeChildWindow("BUTTON", caption_, BS_3STATE | WS_TABSTOP | WS_GROUP, 0, parent, id))
    Send(BM_SETCHECK, static_cast<WPARAM>(value_));
}

bool CheckBox::OnCommand(UINT code) {
  if (code != BN_CLICKED) return false;
  SetValue(value_ == kUnchecked ? kChecked : kUnchecked);
  return true;
}

// ---- OptionButton ----

OptionButton::OptionButton(Container& container, ControlName name, const TwipsRect& place, std::string caption,
                           bool value)
    : Control(container, ControlKind::OptionButton, std::move(name), place),
      caption_(std::move(caption)),
      value_(false) {
  if (value) SetValue(true);  // before loading: clears the others, raises nothing
}

void OptionButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (hWnd()) SetWindowTextA(hWnd(), caption_.c_str());
}

void OptionButton::SetValue(bool value) {
  if (value == value_) return;
  value_ = value;
  if (value) ClearOthersOfGroup();
  if (hWnd()) Send(BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED);
  UpdateGroupTabStops();
  if (value && hWnd()) Click.Raise(*this);
}

bool OptionButton::FirstOfGroup() const {
  for (Control* control : OwnerForm().Controls()) {
    if (control->Kind() == ControlKind::OptionButton && control->Parent() == Parent()) return control == this;
  }
  return true;
}

void OptionButton::ClearOthersOfGroup() {
  for (Control* control : OwnerForm().Controls()) {
    if (control == this || control->Kind() != ControlKind::OptionButton || control->Parent() != Parent()) continue;
    auto* other = static_cast<OptionButton*>(control);
    if (!other->value_) continue;
    other->value_ = false;
    if (other->hWnd()) other->Send(BM_SETCHECK, BST_UNCHECKED);
  }
}

// Tab reaches a group at its set button, or at its first when none is set.
void OptionButton::UpdateGroupTabStops() {
  OptionButton* first = nullptr;
  OptionButton* set = nullptr;
  for (Control* control : OwnerForm().Controls()) {
    if (control->Kind() != ControlKind::OptionButton || control->Parent() != Parent()) continue;
    auto* option = static_cast<OptionButton*>(control);
    if (!first) first = option;
    if (option->value_) set = option;
  }
  OptionButton* stop = set ? set : first;
  for (Control* control : OwnerForm().Controls()) {
    if (control->Kind() != ControlKind::OptionButton || control->Parent() != Parent()) continue;
    SetTabStop(control->hWnd(), control == stop);
  }
}

void OptionButton::CreateControlWindow(HWND parent, int id) {
  // The group starts at the container's first option button, for the arrow keys.
  DWORD style = BS_RADIOBUTTON | (FirstOfGroup() ? WS_GROUP : 0);
  if (MakeChildWindow("BUTTON", caption_, style, 0, parent, id)) {
    Send(BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED);
    UpdateGroupTabStops();
  }
}

bool OptionButton::OnCommand(UINT code) {
  if (code != BN_CLICKED) return false;
  SetValue(true);
  return true;
}

}  // namespace quorvane
