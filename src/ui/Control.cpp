#include "ui/Control.h"

#include <algorithm>

#include "ui/DialogKeys.h"
#include "ui/Form.h"
#include "ui/Screen.h"
#include "ui/WindowObjects.h"

namespace quorvane {

using ControlsByHandle = WindowObjects<Control>;

const char* ControlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::CommandButton: return "CommandButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::Label: return "Label";
    case ControlKind::SkinLabel: return "SkinLabel";
    case ControlKind::Frame: return "Frame";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::ListView: return "ListView";
    case ControlKind::Slider: return "Slider";
    case ControlKind::UpDown: return "UpDown";
    case ControlKind::PictureBox: return "PictureBox";
    case ControlKind::Timer: return "Timer";
    case ControlKind::Menu: return "Menu";
    case ControlKind::MenuItem: return "MenuItem";
    case ControlKind::Custom: return "Custom";
  }
  return "Unknown";
}

int ControlIndexOf(const Control& control) { return control.Index(); }

bool Container::ContainerEffectivelyEnabled() const {
  for (const Container* level = this; level; level = level->OuterContainer())
    if (!level->ContainerOwnEnabled()) return false;
  return true;
}

bool Container::IsWithin(const Container& other) const {
  for (const Container* level = this; level; level = level->OuterContainer())
    if (level == &other) return true;
  return false;
}

Control::Control(Container& container, ControlKind kind, ControlName name, const TwipsRect& place)
    : form_(container.ContainerForm()),
      container_(&container),
      kind_(kind),
      name_(std::move(name.name)),
      index_(name.index),
      place_(place),
      font_(DialogFont()) {
  form_.Register(*this);
}

Control::Control(Form& form, ControlKind kind, ControlName name)
    : form_(form), container_(nullptr), kind_(kind), name_(std::move(name.name)), index_(name.index),
      font_(DialogFont()) {
  form_.Register(*this);
}

Control::~Control() {
  DestroyControlWindow();
  form_.Unregister(*this);
}

std::string Control::DisplayName() const {
  return InArray() ? name_ + "(" + std::to_string(index_) + ")" : name_;
}

void Control::Create(int id) {
  HWND parent = container_ ? container_->ContainerHandle() : form_.hWnd();
  if (!parent || hwnd_) return;
  CreateControlWindow(parent, id);
  if (hwnd_) {
    ApplyEnabledState();
    if (!toolTip_.empty()) form_.SetToolTip(hwnd_, toolTip_);
  }
  AfterCreate();
}

void Control::DestroyControlWindow() {
  if (hwnd_) DestroyWindow(hwnd_);  // WM_NCDESTROY releases it
  hwnd_ = nullptr;
  AfterDestroy();
}

HWND Control::MakeChildWindow(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                              HWND parent, int id, const PixelRect* givenPlace) {
  PixelRect place = givenPlace ? *givenPlace : PixelBounds();
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) style |= WS_VISIBLE;
  HWND hwnd = CreateWindowExA(exStyle, className, text.c_str(), style, place.left, place.top, place.width,
                              place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return nullptr;
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  ControlsByHandle::Attach(hwnd, this);
  hwnd_ = hwnd;
  originalProcedure_ = SubclassWindow(hwnd, &Control::SubclassProcedure);
  return hwnd;
}

void Control::AdoptWindow(HWND hwnd) {
  hwnd_ = hwnd;
  ControlsByHandle::Attach(hwnd, this);
}

void Control::ReleaseWindow() {
  if (!hwnd_) return;
  ControlsByHandle::Detach(hwnd_);
  hwnd_ = nullptr;
}

Control* Control::FromHandle(HWND hwnd) { return ControlsByHandle::Find(hwnd); }

LRESULT CALLBACK Control::SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Control* control = FromHandle(hwnd);
  if (!control || !control->originalProcedure_) return DefWindowProcA(hwnd, message, wParam, lParam);
  WNDPROC original = control->originalProcedure_;
  if (message == WM_NCDESTROY) {
    UnsubclassWindow(hwnd, &Control::SubclassProcedure, original);
    ControlsByHandle::Detach(hwnd);
    control->hwnd_ = nullptr;
    control->originalProcedure_ = nullptr;
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
  }
  bool originalRan = false;
  try {
    LRESULT result = 0;
    if (control->BeforeOwnMessage(message, wParam, lParam, &result)) return result;
    bool isMouseUp = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
    if (!(isMouseUp && control->ReportsMouseUpItself())) control->RaiseMouseEvent(message, wParam, lParam);
    if (control->hwnd_ != hwnd) return CallWindowProcA(original, hwnd, message, wParam, lParam);
    originalRan = true;
    result = CallWindowProcA(original, hwnd, message, wParam, lParam);
    // The handlers that ran inside may have destroyed the window.
    if (control->hwnd_ == hwnd) control->AfterOwnMessage(message, wParam, lParam);
    return result;
  } catch (...) {
    // A failing handler loses its own work only; the control keeps running.
    return originalRan ? 0 : CallWindowProcA(original, hwnd, message, wParam, lParam);
  }
}

void Control::RaiseMouseEvent(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
      MouseDown.Raise(*this, MouseArgsFromMessage(message, wParam, lParam));
      break;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      MouseUp.Raise(*this, MouseArgsFromMessage(message, wParam, lParam));
      break;
    case WM_MOUSEMOVE:
      MouseMove.Raise(*this, MouseArgsFromMessage(message, wParam, lParam));
      break;
  }
}

bool Control::RouteChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  switch (message) {
    case WM_COMMAND: {
      Control* control = FromHandle(reinterpret_cast<HWND>(lParam));
      return control && control->OnCommand(HIWORD(wParam));
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      Control* control = header ? FromHandle(header->hwndFrom) : nullptr;
      return control && control->OnNotify(header, result);
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      Control* control = FromHandle(reinterpret_cast<HWND>(lParam));
      if (!control) return false;
      control->OnScroll(LOWORD(wParam));
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      Control* control = FromHandle(reinterpret_cast<HWND>(lParam));
      HBRUSH brush = control ? control->OnCtlColor(reinterpret_cast<HDC>(wParam), message) : nullptr;
      if (!brush) return false;
      *result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
  }
  return false;
}

HBRUSH Control::OnCtlColor(HDC dc, UINT message) {
  if (foreColor_) SetTextColor(dc, *foreColor_);
  if (backColor_) {
    SetBkColor(dc, *backColor_);
    return backBrush_.get();
  }
  // Static texts, check boxes, option buttons and sliders sit on their
  // container's colour; boxes the user types into or picks from keep the
  // system's colours, also while disabled or read-only.
  bool inherits = kind_ != ControlKind::TextBox && kind_ != ControlKind::ComboBox && kind_ != ControlKind::ListView;
  HBRUSH containerBrush = container_ && inherits ? container_->ContainerBackBrush() : nullptr;
  if (containerBrush) {
    SetBkColor(dc, container_->ContainerBackColor());
    return containerBrush;
  }
  if (!foreColor_) return nullptr;
  // Only the text colour changed: the system's brush for this kind of control.
  bool windowColoured = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
  SetBkColor(dc, GetSysColor(windowColoured ? COLOR_WINDOW : COLOR_BTNFACE));
  return GetSysColorBrush(windowColoured ? COLOR_WINDOW : COLOR_BTNFACE);
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (IsContainer())
    form_.ReapplyEnabledStates();
  else
    ApplyEnabledState();
  OnEnabledChanged();
}

bool Control::EffectivelyEnabled() const {
  return enabled_ && (!container_ || container_->ContainerEffectivelyEnabled());
}

void Control::ApplyEnabledState() {
  if (!hwnd_) return;
  const bool enabled = EffectivelyEnabled();
  if (!enabled) MoveFocusAwayFrom(hwnd_);
  EnableWindow(hwnd_, enabled);
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void Control::MoveTwips(const TwipsRect& place) {
  place_ = place;
  pixelPlace_.reset();
  if (hwnd_) {
    PixelRect pixels = ScreenPixels(place);
    MoveWindow(hwnd_, pixels.left, pixels.top, pixels.width, pixels.height, TRUE);
  }
}

void Control::MovePixels(const PixelRect& place) {
  pixelPlace_ = place;
  place_ = {ScreenPixelsToTwips(place.left), ScreenPixelsToTwips(place.top), ScreenPixelsToTwips(place.width),
            ScreenPixelsToTwips(place.height)};
  if (hwnd_) MoveWindow(hwnd_, place.left, place.top, place.width, place.height, TRUE);
}

PixelRect Control::PixelBounds() const {
  if (hwnd_) {
    RECT bounds;
    GetWindowRect(hwnd_, &bounds);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&bounds), 2);
    return {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
  }
  return pixelPlace_ ? *pixelPlace_ : ScreenPixels(place_);
}

void Control::BringToFront() {
  if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::SendToBack() {
  if (hwnd_) SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::SetFocus() {
  if (hwnd_) ::SetFocus(hwnd_);
}

bool Control::HasFocus() const {
  HWND focus = GetFocus();
  return hwnd_ && (focus == hwnd_ || IsChild(hwnd_, focus));
}

void Control::SetToolTipText(std::string text) {
  toolTip_ = std::move(text);
  if (hwnd_) form_.SetToolTip(hwnd_, toolTip_);
}

void Control::SetBackColor(COLORREF color) {
  backColor_ = color;
  backBrush_.reset(CreateSolidBrush(color));
  Refresh();
}

void Control::SetForeColor(COLORREF color) {
  foreColor_ = color;
  Refresh();
}

void Control::SetFont(const FontChoice& choice) {
  font_ = SharedFont(choice);
  if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
}

void Control::Refresh() {
  if (!hwnd_) return;
  InvalidateRect(hwnd_, nullptr, TRUE);
  UpdateWindow(hwnd_);
}

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return hwnd_ ? SendMessageA(hwnd_, message, wParam, lParam) : 0;
}

}  // namespace quorvane
