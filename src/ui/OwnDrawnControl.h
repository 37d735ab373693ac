// The base of controls whose window is one of the program's own classes (frame,
// picture, and the program's custom controls): the window paints through an
// off-screen bitmap and turns mouse input into the control's mouse events and
// Click; notifications of controls placed inside reach their objects.
#pragma once

#include <memory>

#include "ui/Control.h"

namespace quorvane {

class OwnDrawnControl : public Control {
 public:
  ~OwnDrawnControl() override;

  // A left press and release over the control.
  Event<> Click;
  Event<> DblClick;

  // Redraws the control at the next paint.
  void Invalidate();

 protected:
  OwnDrawnControl(Container& container, ControlKind kind, ControlName name, const TwipsRect& place);

  virtual const char* WindowClassName() const = 0;
  virtual UINT ClassStyle() const { return CS_DBLCLKS; }
  virtual DWORD ExtraStyle() const { return 0; }
  virtual DWORD ExtraExStyle() const { return 0; }
  // Paints the whole client area into the off-screen bitmap.
  virtual void Draw(HDC dc, const RECT& client) = 0;
  // Other messages of the window (keys, timers, focus); true with *result set when handled.
  virtual bool HandleWindowMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT* /*result*/) { return false; }

  // The control's background: its own colour, else its container's, else the
  // system's face colour.
  HBRUSH EffectiveBackBrush() const;
  COLORREF EffectiveBackColor() const;

 private:
  class ControlWindow;
  void CreateControlWindow(HWND parent, int id) override;

  std::unique_ptr<ControlWindow> window_;
  bool leftPressed_ = false;
};

}  // namespace quorvane
