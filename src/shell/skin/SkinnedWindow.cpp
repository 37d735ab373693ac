#include "shell/skin/SkinnedWindow.h"

#include <commctrl.h>

#include <string>

#include "shell/skin/SkinCanvas.h"
#include "shell/skin/SkinPainters.h"
#include "shell/skin/SkinnedAccessible.h"
#include "ui/Control.h"
#include "ui/Fonts.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/WindowObjects.h"

namespace quorvane {

namespace {

bool IsHoverable(SkinTarget target) {
  return target == SkinTarget::PushButton || target == SkinTarget::CheckBox || target == SkinTarget::RadioButton;
}

// Boxes a person types into or picks from keep the system's colours.
bool IsTypingControl(HWND window) {
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, "Edit") == 0 || lstrcmpiA(className, "ComboBox") == 0 ||
         lstrcmpiA(className, "ListBox") == 0 || lstrcmpiA(className, "ComboLBox") == 0;
}

std::string WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

Frame* LayerFrameOf(HWND window) {
  Control* control = Control::FromHandle(window);
  return control && control->Kind() == ControlKind::Frame ? static_cast<Frame*>(control) : nullptr;
}

}  // namespace

SkinnedWindow::SkinnedWindow(HWND window, SkinTarget target) : window_(window), target_(target) {}

SkinnedWindow* SkinnedWindow::Of(HWND window) {
  return WindowObjects<SkinnedWindow>::Find(window);
}

std::optional<SkinObject> SkinnedWindow::ObjectOf(HWND window) {
  const SkinnedWindow* skinned = Of(window);
  if (!skinned) return std::nullopt;
  return skinned->object_;
}

bool SkinnedWindow::Apply(HWND window, SkinTarget target, SkinObject object,
                          std::shared_ptr<const SkinDefinition> skin) {
  SkinnedWindow* self = Of(window);
  if (!self) {
    self = new SkinnedWindow(window, target);
    WindowObjects<SkinnedWindow>::Attach(window, self);
    self->previous_ = SubclassWindow(window, &Procedure);
    if (!self->previous_) {
      WindowObjects<SkinnedWindow>::Detach(window);
      delete self;
      return false;
    }
  }
  self->target_ = target;
  self->object_ = object;
  self->skin_ = std::move(skin);
  self->Restyle();
  return true;
}

LRESULT CALLBACK SkinnedWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SkinnedWindow* self = Of(window);
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    WNDPROC previous = self->previous_;
    UnsubclassWindow(window, &Procedure, previous);
    WindowObjects<SkinnedWindow>::Detach(window);
    self->destroyed_ = true;
    if (self->depth_ == 0) delete self;
    return CallWindowProcA(previous, window, message, wParam, lParam);
  }
  ++self->depth_;
  LRESULT result = 0;
  try {
    result = self->Handle(message, wParam, lParam);
  } catch (...) {
    // Only the skin's own work is lost; the window keeps running.
  }
  --self->depth_;
  if (self->destroyed_ && self->depth_ == 0) delete self;
  return result;
}

LRESULT SkinnedWindow::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(previous_, window_, message, wParam, lParam);
}

LRESULT SkinnedWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool paintsWhole = SkinPaintsWhole(target_);
  switch (message) {
    case WM_PAINT:
      if (paintsWhole) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        PaintWhole(dc);
        EndPaint(window_, &paint);
        return 0;
      } else {
        LRESULT result = CallPrevious(message, wParam, lParam);
        if (!destroyed_ && Look().border) {
          WindowDC dc(window_);
          DrawBorder(dc.get());
        }
        return result;
      }
    case WM_PRINTCLIENT:
      if (paintsWhole) {
        PaintWhole(reinterpret_cast<HDC>(wParam));
        return 0;
      } else {
        EraseBackground(reinterpret_cast<HDC>(wParam));
        LRESULT result = CallPrevious(message, wParam, lParam);
        if (!destroyed_) DrawBorder(reinterpret_cast<HDC>(wParam));
        return result;
      }
    case WM_ERASEBKGND:
      if (paintsWhole || EraseBackground(reinterpret_cast<HDC>(wParam))) return 1;
      break;
    case WM_GETOBJECT:
      // What the skin draws whole, it names for screen readers (SkinnedAccessible.h).
      if (paintsWhole) {
        LRESULT result = 0;
        auto make = [this](HWND window) { return NewSkinnedAccessible(window, target_); };
        if (accessible_.Answer(window_, wParam, lParam, make, &result)) return result;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (target_ == SkinTarget::ProgramFrame || target_ == SkinTarget::Window)
        return ColourChild(message, wParam, lParam);
      break;
    case WM_MOUSEMOVE: {
      LRESULT result = CallPrevious(message, wParam, lParam);
      if (!destroyed_ && IsHoverable(target_) && !hot_) {
        hot_ = true;
        TrackMouseLeave();
        PaintWholeNow();
      }
      return result;
    }
    case WM_MOUSELEAVE: {
      trackingLeave_ = false;
      LRESULT result = CallPrevious(message, wParam, lParam);
      if (!destroyed_ && hot_) {
        hot_ = false;
        PaintWholeNow();
      }
      return result;
    }
    case WM_WINDOWPOSCHANGED: {
      LRESULT result = CallPrevious(message, wParam, lParam);
      auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!destroyed_ && position && !(position->flags & SWP_NOSIZE)) UpdateShape();
      return result;
    }
    // The control's own procedure draws straight on the screen when these change
    // its state; the skin's look goes over that at once.
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_UPDATEUISTATE:
    case WM_STYLECHANGED:
    case WM_SYSCOLORCHANGE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE: {
      LRESULT result = CallPrevious(message, wParam, lParam);
      if (!destroyed_ && paintsWhole) PaintWholeNow();
      return result;
    }
  }
  return CallPrevious(message, wParam, lParam);
}

void SkinnedWindow::Restyle() {
  const SkinLook& look = Look();
  backBrush_.reset(look.back ? CreateSolidBrush(ToColorref(*look.back)) : nullptr);
  HFONT font = SharedFont(FontChoice{.face = look.font, .points = look.size, .bold = look.bold});
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The layer's containers pass their colour on to the controls inside.
  if (look.back) {
    if (target_ == SkinTarget::ProgramFrame) {
      if (Frame* frame = LayerFrameOf(window_)) frame->SetBackColor(ToColorref(*look.back));
    } else if (target_ == SkinTarget::Window) {
      if (Form* form = Form::FromHandle(window_)) form->SetBackColor(ToColorref(*look.back));
    }
  }
  UpdateShape();
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void SkinnedWindow::UpdateShape() {
  if (target_ != SkinTarget::Window && target_ != SkinTarget::ProgramFrame) return;
  const int radius = Look().shapeRadius;
  if (radius <= 0) {
    if (shaped_) SetWindowRgn(window_, nullptr, TRUE);
    shaped_ = false;
    return;
  }
  RECT bounds;
  GetWindowRect(window_, &bounds);
  SIZE size{bounds.right - bounds.left, bounds.bottom - bounds.top};
  if (shaped_ && size.cx == shapedSize_.cx && size.cy == shapedSize_.cy) return;
  // The region's corners match RoundRect's, one pixel past the right and bottom edge.
  ScopedRegion region(CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, radius * 2, radius * 2));
  if (!region) return;
  if (SetWindowRgn(window_, region.get(), TRUE)) {
    region.release();  // the window owns the region from here on
    shaped_ = true;
    shapedSize_ = size;
  }
}

void SkinnedWindow::TrackMouseLeave() {
  if (trackingLeave_) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window_;
  trackingLeave_ = TrackMouseEvent(&track) != FALSE;
}

HFONT SkinnedWindow::PaintFont() const {
  // The program may give a skinned control a font of its own after the skin's.
  if (auto font = reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0))) return font;
  const SkinLook& look = Look();
  return SharedFont(FontChoice{.face = look.font, .points = look.size, .bold = look.bold});
}

COLORREF SkinnedWindow::ParentBackground(HDC dc) const {
  // Asked the way the system's own controls ask for their background.
  if (HWND parent = GetParent(window_)) {
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window_)));
    LOGBRUSH info{};
    if (brush && GetObjectA(brush, sizeof info, &info) == sizeof info && info.lbStyle == BS_SOLID)
      return info.lbColor;
  }
  return GetSysColor(COLOR_BTNFACE);
}

void SkinnedWindow::PaintWholeNow() {
  if (!IsWindowVisible(window_)) return;
  WindowDC dc(window_);
  if (dc) PaintWhole(dc.get());
}

void SkinnedWindow::PaintWhole(HDC target) {
  RECT client;
  GetClientRect(window_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  try {
    SkinCanvas canvas(target, client.right, client.bottom);
    if (!canvas.Valid()) return;  // out of memory for the bitmap: the old picture stays
    const SkinLook& look = Look();
    SkinPaintInput input;
    input.parentBack = ParentBackground(canvas.Dc());
    input.font = PaintFont();
    input.style = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE));
    input.enabled = IsWindowEnabled(window_) != FALSE;
    input.focused = GetFocus() == window_;
    input.showFocus = !(SendMessageA(window_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    input.hot = hot_;
    Frame* frame = target_ == SkinTarget::ProgramFrame ? LayerFrameOf(window_) : nullptr;
    input.text = frame ? frame->Caption() : WindowText(window_);
    if (IsHoverable(target_)) {
      LRESULT state = SendMessageA(window_, BM_GETSTATE, 0, 0);
      input.pressed = (state & BST_PUSHED) != 0;
      input.check = static_cast<int>(state & (BST_CHECKED | BST_INDETERMINATE));
      input.isDefault = (input.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }
    switch (target_) {
      case SkinTarget::PushButton: PaintSkinPushButton(canvas, look, input); break;
      case SkinTarget::CheckBox: PaintSkinCheckBox(canvas, look, input); break;
      case SkinTarget::RadioButton: PaintSkinRadioBox(canvas, look, input); break;
      case SkinTarget::Label: PaintSkinLabel(canvas, look, input); break;
      case SkinTarget::ProgramFrame: {
        // A frame without a border (the program's choice) shows neither line nor caption.
        bool framed = object_ == SkinObject::Frame && (!frame || frame->BorderVisible());
        bool bordered = object_ != SkinObject::Frame || framed;
        PaintSkinFrame(canvas, look, input, bordered, framed);
        break;
      }
      case SkinTarget::Window:
      case SkinTarget::Unskinnable: return;
    }
    canvas.CopyTo(target, 0, 0);
  } catch (...) {
    // Out of memory for a caption: the control keeps its last picture.
  }
}

bool SkinnedWindow::EraseBackground(HDC dc) {
  // Forms of the control layer paint their own background in the skin's colour.
  if (target_ != SkinTarget::Window || !backBrush_ || Form::FromHandle(window_)) return false;
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, backBrush_.get());
  return true;
}

void SkinnedWindow::DrawBorder(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  DrawSkinWindowBorder(dc, client, Look());
}

LRESULT SkinnedWindow::ColourChild(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPrevious(message, wParam, lParam);
  auto child = reinterpret_cast<HWND>(lParam);
  auto dc = reinterpret_cast<HDC>(wParam);
  if (destroyed_ || !child || !dc || IsTypingControl(child)) return result;
  // Colours the program gave a control itself stay; the rest take the skin's.
  Control* control = Control::FromHandle(child);
  if (!control || !control->ForeColor()) SetTextColor(dc, ToColorref(Look().text));
  if (control && control->BackColor()) return result;
  bool systemColoured = result == 0 || reinterpret_cast<HBRUSH>(result) == GetSysColorBrush(COLOR_BTNFACE);
  if (!systemColoured || !backBrush_) return result;
  SetBkColor(dc, ToColorref(*Look().back));
  return reinterpret_cast<LRESULT>(backBrush_.get());
}

}  // namespace quorvane
