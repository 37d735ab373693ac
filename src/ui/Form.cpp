#include "ui/Form.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>

#include "common/TextCase.h"
#include "ui/Buttons.h"
#include "ui/CommonControls.h"
#include "ui/ControlIds.h"
#include "ui/DialogKeys.h"
#include "ui/MessageIds.h"
#include "ui/Screen.h"
#include "ui/Timer.h"
#include "ui/TimerIds.h"
#include "ui/WindowObjects.h"

namespace quorvane {

namespace {

constexpr char kFormClassName[] = "QuorvaneForm";

constexpr DWORD kChildStyleMask =
    WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER | WS_DLGFRAME;
constexpr DWORD kChildExStyleMask = WS_EX_APPWINDOW | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

Form::Form(std::string name, std::string caption, TwipsSize clientSize, FormOptions options)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      options_(options),
      clientSize_(clientSize),
      nextControlId_(kFirstControlId),
      nextTimerId_(kFirstTimerControlId),
      nextMenuItemId_(kFirstMenuItemId) {}

Form::~Form() {
  // Form_Unload cannot run any more (the derived form is gone); the window goes
  // without it. The controls, members of the derived form, are gone already.
  unloading_ = true;
  DestroyHandle();
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (hWnd()) SetWindowTextA(hWnd(), caption_.c_str());
}

DWORD Form::WindowStyle() const {
  if (host_) return WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (options_.border) {
    case FormBorder::None:
      return WS_POPUP | WS_CLIPCHILDREN | (options_.showInTaskbar ? WS_SYSMENU | WS_MINIMIZEBOX : 0);
    case FormBorder::FixedSingle: return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    case FormBorder::Sizable: return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    case FormBorder::FixedDialog: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case FormBorder::FixedToolWindow: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  }
  return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
}

DWORD Form::WindowExStyle() const {
  DWORD exStyle = WS_EX_CONTROLPARENT;  // Tab walks into frames and hosted forms
  if (host_) return exStyle;
  if (options_.showInTaskbar) exStyle |= WS_EX_APPWINDOW;
  if (options_.topMost) exStyle |= WS_EX_TOPMOST;
  if (options_.border == FormBorder::FixedDialog) exStyle |= WS_EX_DLGMODALFRAME;
  if (options_.border == FormBorder::FixedToolWindow) exStyle |= WS_EX_TOOLWINDOW;
  return exStyle;
}

SIZE Form::OuterSizeForClient(SIZE client) const {
  RECT outer{0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&outer, WindowStyle(), FALSE, WindowExStyle());
  return {outer.right - outer.left, outer.bottom - outer.top};
}

void Form::Load() {
  if (loaded_) return;
  EnsureCommonControls();
  SIZE outer = outerSize_ ? SIZE{ScreenTwipsToPixels(outerSize_->width), ScreenTwipsToPixels(outerSize_->height)}
                          : OuterSizeForClient({ScreenTwipsToPixels(clientSize_.width),
                                                ScreenTwipsToPixels(clientSize_.height)});
  CreateParams params;
  params.className = kFormClassName;
  params.title = caption_;
  params.style = WindowStyle();
  params.exStyle = WindowExStyle();
  params.x = ScreenTwipsToPixels(left_);
  params.y = ScreenTwipsToPixels(top_);
  params.width = outer.cx;
  params.height = outer.cy;
  params.parent = host_;
  if (!CreateHandle(params)) return;
  loaded_ = true;
  for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->Create(nextControlId_++);
  if (!postedCalls_.empty()) PostMessageA(hWnd(), kMsgRunPostedCalls, 0, 0);
  Form_Load();
}

void Form::LoadControl(Control& control) {
  if (loaded_ && !control.hWnd()) control.Create(nextControlId_++);
}

void Form::Show() {
  Load();
  if (!hWnd()) return;
  ShowWindow(hWnd(), SW_SHOW);
  UpdateWindow(hWnd());
}

void Form::ShowModal() {
  Load();
  HWND self = hWnd();
  if (!self) return;
  // Like a modal dialog: the thread's other windows take no input meanwhile.
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
  disabled.erase(std::remove(disabled.begin(), disabled.end(), self), disabled.end());
  HWND previousActive = GetActiveWindow();
  for (HWND window : disabled) EnableWindow(window, FALSE);
  Show();
  MSG message;
  while (hWnd() == self && IsWindowVisible(self)) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 0);  // the outer loop ends too
      break;
    }
    if (HandledAsDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  for (auto it = disabled.rbegin(); it != disabled.rend(); ++it)
    if (IsWindow(*it)) EnableWindow(*it, TRUE);
  if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
}

void Form::Hide() {
  if (hWnd()) ShowWindow(hWnd(), SW_HIDE);
}

bool Form::Visible() const {
  return hWnd() && (GetWindowLongPtrA(hWnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Form::Unload() {
  if (!loaded_ || unloading_) return;
  unloading_ = true;
  Form_Unload();
  DestroyHandle();  // OnDestroy releases the controls
  unloading_ = false;
}

void Form::OnClose() { Unload(); }

void Form::OnDestroy() {
  // Also reached when the host window is destroyed with the form inside it.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->DestroyControlWindow();
  if (toolTip_) DestroyWindow(toolTip_);
  toolTip_ = nullptr;
  postedCalls_.clear();
  loaded_ = false;
  host_ = nullptr;
}

void Form::HostIn(HWND parent) {
  host_ = parent;
  HWND self = hWnd();
  if (!self) return;  // Load makes it a child at once
  bool visible = (GetWindowLongPtrA(self, GWL_STYLE) & WS_VISIBLE) != 0;
  SIZE client = ClientPixelSize();
  DWORD style = WindowStyle() | (visible ? WS_VISIBLE : 0);
  DWORD exStyle = WindowExStyle();
  if (parent) {
    style &= ~kChildStyleMask;
    exStyle &= ~kChildExStyleMask;
  }
  // The style changes first, so that the window arrives in its host as a child.
  SetWindowLongPtrA(self, GWL_STYLE, static_cast<LONG_PTR>(style));
  SetWindowLongPtrA(self, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
  ::SetParent(self, parent);
  SIZE outer = parent ? client : OuterSizeForClient(client);
  SetWindowPos(self, nullptr, ScreenTwipsToPixels(left_), ScreenTwipsToPixels(top_), outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

Form* Form::FromHandle(HWND hwnd) {
  if (!hwnd || GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId()) return nullptr;
  char className[sizeof kFormClassName + 1] = {};
  if (!GetClassNameA(hwnd, className, sizeof className) || lstrcmpA(className, kFormClassName) != 0) return nullptr;
  // Windows of this class keep their Form in the user data (Window::WindowProcedure).
  return dynamic_cast<Form*>(WindowObjects<Window>::Find(hwnd));
}

Control* Form::FindControl(std::string_view name, int index) const {
  for (Control* control : controls_)
    if (control->Index() == index && EqualNoCase(control->Name(), name)) return control;
  return nullptr;
}

void Form::SetPositionTwips(int left, int top) {
  left_ = left;
  top_ = top;
  if (hWnd())
    SetWindowPos(hWnd(), nullptr, ScreenTwipsToPixels(left), ScreenTwipsToPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetClientSizeTwips(TwipsSize size) {
  clientSize_ = size;
  outerSize_.reset();
  if (!hWnd()) return;
  SIZE client{ScreenTwipsToPixels(size.width), ScreenTwipsToPixels(size.height)};
  SIZE outer = host_ ? client : OuterSizeForClient(client);
  SetWindowPos(hWnd(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetOuterSizeTwips(TwipsSize size) {
  outerSize_ = size;
  if (hWnd())
    SetWindowPos(hWnd(), nullptr, 0, 0, ScreenTwipsToPixels(size.width), ScreenTwipsToPixels(size.height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::MovePixels(const PixelRect& outer) {
  left_ = ScreenPixelsToTwips(outer.left);
  top_ = ScreenPixelsToTwips(outer.top);
  outerSize_ = TwipsSize{ScreenPixelsToTwips(outer.width), ScreenPixelsToTwips(outer.height)};
  if (hWnd()) MoveWindow(hWnd(), outer.left, outer.top, outer.width, outer.height, TRUE);
}

PixelRect Form::OuterPixelBounds() const {
  if (!hWnd()) return {};
  RECT bounds;
  GetWindowRect(hWnd(), &bounds);
  if (HWND parent = GetParent(hWnd()); parent && (GetWindowLongPtrA(hWnd(), GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  return {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
}

SIZE Form::ClientPixelSize() const {
  if (!hWnd()) return {ScreenTwipsToPixels(clientSize_.width), ScreenTwipsToPixels(clientSize_.height)};
  RECT client;
  GetClientRect(hWnd(), &client);
  return {client.right, client.bottom};
}

void Form::CenterOnScreen() {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  PixelRect outer = OuterPixelBounds();
  if (!hWnd()) {
    SIZE size = OuterSizeForClient({ScreenTwipsToPixels(clientSize_.width), ScreenTwipsToPixels(clientSize_.height)});
    outer.width = size.cx;
    outer.height = size.cy;
  }
  // A window larger than the work area keeps its top-left corner on the screen.
  int left = std::max<int>(work.left, work.left + (work.right - work.left - outer.width) / 2);
  int top = std::max<int>(work.top, work.top + (work.bottom - work.top - outer.height) / 2);
  SetPositionTwips(ScreenPixelsToTwips(left), ScreenPixelsToTwips(top));
}

void Form::SetBackColor(COLORREF color) {
  backColor_ = color;
  backBrush_.reset(CreateSolidBrush(color));
  Refresh();
}

COLORREF Form::ContainerBackColor() const { return backColor_.value_or(GetSysColor(COLOR_BTNFACE)); }

HBRUSH Form::BackgroundBrush() const {
  return backBrush_ ? backBrush_.get() : GetSysColorBrush(COLOR_BTNFACE);
}

void Form::SetEnabled(bool enabled) {
  if (hWnd()) EnableWindow(hWnd(), enabled);
}

void Form::SetFocus() {
  if (hWnd()) ::SetFocus(hWnd());
}

namespace {

bool PressIfUsable(CommandButton* button) {
  if (!button || !button->hWnd() || !button->EffectivelyEnabled()) return false;
  button->Click.Raise(*button);
  return true;
}

}  // namespace

bool Form::PressDefaultButton() { return PressIfUsable(defaultButton_); }

bool Form::OnEscape() { return PressIfUsable(cancelButton_); }

void Form::SetMousePointer(MousePointer pointer) {
  pointer_ = pointer;
  if (!hWnd()) return;
  // Takes effect at once where the mouse is, not only at its next move.
  POINT cursor;
  GetCursorPos(&cursor);
  HWND under = WindowFromPoint(cursor);
  if (under == hWnd() || IsChild(hWnd(), under))
    SetCursor(LoadCursor(nullptr, pointer == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

void Form::PostCall(std::function<void()> call) {
  postedCalls_.push_back(std::move(call));
  if (hWnd()) PostMessageA(hWnd(), kMsgRunPostedCalls, 0, 0);
}

void Form::RunPostedCalls() {
  // Calls posted while these run wait for their own message.
  std::deque<std::function<void()>> due;
  due.swap(postedCalls_);
  for (auto& call : due) {
    try {
      call();
    } catch (...) {
      // One failing call does not keep the others from running.
    }
  }
}

void Form::Refresh() {
  if (!hWnd()) return;
  RedrawWindow(hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Form::Register(Control& control) { controls_.push_back(&control); }

void Form::Unregister(Control& control) {
  if (defaultButton_ && static_cast<Control*>(defaultButton_) == &control) defaultButton_ = nullptr;
  if (cancelButton_ && static_cast<Control*>(cancelButton_) == &control) cancelButton_ = nullptr;
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

void Form::ReapplyEnabledStates() {
  for (Control* control : controls_) control->ApplyEnabledState();
}

void Form::SetToolTip(HWND control, const std::string& text) {
  if (!hWnd()) return;
  if (!toolTip_) {
    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWnd(), nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (!toolTip_) return;
  }
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;  // the size every comctl32 version accepts
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hWnd();
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(toolTip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (!text.empty()) SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgRunPostedCalls:
      RunPostedCalls();
      return 0;
    case WM_SETCURSOR:  // asked by the window under the mouse, and by its parents in turn
      if (pointer_ == MousePointer::Hourglass) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_ACTIVATE:
      // Like a dialog, the window gives the focus back to the control that had it.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        focusWhenInactive_ = focus && IsChild(hWnd(), focus) ? focus : nullptr;
      } else if (!HIWORD(wParam) && focusWhenInactive_ && IsChild(hWnd(), focusWhenInactive_) &&
                 IsWindowVisible(focusWhenInactive_) && IsWindowEnabled(focusWhenInactive_)) {
        OnActivate(true);
        ::SetFocus(focusWhenInactive_);
        return 0;
      }
      break;
    case DM_GETDEFID:  // the dialog manager asks which button Enter presses
      if (defaultButton_ && defaultButton_->hWnd() && defaultButton_->EffectivelyEnabled())
        return MAKELRESULT(GetDlgCtrlID(defaultButton_->hWnd()), DC_HASDEFID);
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void Form::OnSize(int, int) { Form_Resize(); }

void Form::OnActivate(bool active) {
  if (active) Form_Activate();
}

void Form::OnTimer(UINT_PTR id) {
  for (Control* control : controls_)
    if (control->Kind() == ControlKind::Timer && static_cast<Timer*>(control)->TimerId() == id) {
      static_cast<Timer*>(control)->OnTick();
      return;
    }
}

bool Form::OnChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (Control::RouteChildMessage(message, wParam, lParam, result)) return true;
  // Escape reaches the form as IDCANCEL from the dialog manager, from no control.
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && cancelButton_ && cancelButton_->hWnd() &&
      cancelButton_->EffectivelyEnabled()) {
    cancelButton_->Click.Raise(*cancelButton_);
    return true;
  }
  return false;
}

void Form::OnPaint(HDC dc, const RECT& client) {
  FillRect(dc, &client, BackgroundBrush());
  Form_Paint(dc, client);
}

}  // namespace quorvane
