#include "ui/OwnDrawnControl.h"

#include "ui/Window.h"

namespace quorvane {

class OwnDrawnControl::ControlWindow : public Window {
 public:
  explicit ControlWindow(OwnDrawnControl& control) : control_(control) {}

  bool Create(HWND parent, int id) {
    PixelRect place = control_.PixelBounds();
    CreateParams params;
    params.className = control_.WindowClassName();
    params.classStyle = control_.ClassStyle();
    params.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | control_.ExtraStyle() |
                   (control_.Visible() ? WS_VISIBLE : 0);
    params.exStyle = WS_EX_CONTROLPARENT | control_.ExtraExStyle();
    params.x = place.left;
    params.y = place.top;
    params.width = place.width;
    params.height = place.height;
    params.parent = parent;
    params.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    return CreateHandle(params);
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = 0;
    if (control_.HandleWindowMessage(message, wParam, lParam, &result)) return result;
    // Drawn with the control's enabled state and font: both changes repaint.
    if (message == WM_ENABLE || message == WM_SETFONT) InvalidateRect(hWnd(), nullptr, FALSE);
    return Window::HandleMessage(message, wParam, lParam);
  }

  bool OnChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    return Control::RouteChildMessage(message, wParam, lParam, result);
  }

  void OnPaint(HDC dc, const RECT& client) override { control_.Draw(dc, client); }

  void OnMouseDown(const MouseEventArgs& args) override {
    if (args.button == kLeftButton) {
      control_.leftPressed_ = true;
      SetCapture(hWnd());
    }
    control_.MouseDown.Raise(control_, args);
  }

  void OnMouseMove(const MouseEventArgs& args) override { control_.MouseMove.Raise(control_, args); }

  void OnMouseUp(const MouseEventArgs& args) override {
    bool click = false;
    if (args.button == kLeftButton && control_.leftPressed_) {
      control_.leftPressed_ = false;
      if (GetCapture() == hWnd()) ReleaseCapture();
      RECT client;
      GetClientRect(hWnd(), &client);
      click = PtInRect(&client, POINT{args.x, args.y}) != FALSE;
    }
    HWND self = hWnd();
    control_.MouseUp.Raise(control_, args);
    if (click && hWnd() == self) control_.Click.Raise(control_);
  }

  void OnDoubleClick(const MouseEventArgs&) override { control_.DblClick.Raise(control_); }

  void OnNcDestroy() override {
    control_.leftPressed_ = false;
    control_.ReleaseWindow();
  }

 private:
  OwnDrawnControl& control_;
};

OwnDrawnControl::OwnDrawnControl(Container& container, ControlKind kind, ControlName name, const TwipsRect& place)
    : Control(container, kind, std::move(name), place) {}

OwnDrawnControl::~OwnDrawnControl() {
  // The window goes with window_, which can no longer tell this object.
  ReleaseWindow();
  window_.reset();
}

void OwnDrawnControl::CreateControlWindow(HWND parent, int id) {
  if (!window_) window_ = std::make_unique<ControlWindow>(*this);
  if (window_->Create(parent, id)) AdoptWindow(window_->hWnd());
}

void OwnDrawnControl::Invalidate() {
  if (hWnd()) InvalidateRect(hWnd(), nullptr, FALSE);
}

HBRUSH OwnDrawnControl::EffectiveBackBrush() const {
  if (HBRUSH own = OwnBackBrush()) return own;
  if (HBRUSH inherited = Parent() ? Parent()->ContainerBackBrush() : nullptr) return inherited;
  return GetSysColorBrush(COLOR_BTNFACE);
}

COLORREF OwnDrawnControl::EffectiveBackColor() const {
  if (BackColor()) return *BackColor();
  return Parent() ? Parent()->ContainerBackColor() : GetSysColor(COLOR_BTNFACE);
}

}  // namespace quorvane
