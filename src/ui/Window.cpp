#include "ui/Window.h"

#include <set>

#include "ui/ScopedGdi.h"
#include "ui/WindowObjects.h"

namespace quorvane {

int ShiftState() {
  int shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

HWND TopLevelWindowOf(HWND hwnd) {
  while (hwnd && (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD)) {
    HWND parent = GetParent(hwnd);
    if (!parent) break;
    hwnd = parent;
  }
  return hwnd;
}

MouseEventArgs MouseArgsFromMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  MouseEventArgs args;
  args.x = static_cast<short>(LOWORD(lParam));
  args.y = static_cast<short>(HIWORD(lParam));
  args.shift = ShiftState();
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: args.button = kLeftButton; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: args.button = kRightButton; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: args.button = kMiddleButton; break;
    default:
      if (wParam & MK_LBUTTON) args.button |= kLeftButton;
      if (wParam & MK_RBUTTON) args.button |= kRightButton;
      if (wParam & MK_MBUTTON) args.button |= kMiddleButton;
  }
  return args;
}

Window::~Window() {
  if (!hwnd_) return;
  // The derived object is gone: no more virtual calls for this window.
  WindowObjects<Window>::Detach(hwnd_);
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  DestroyWindow(hwnd);
}

bool Window::CreateHandle(const CreateParams& params) {
  static std::set<std::string> registered;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!registered.count(params.className)) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = params.classStyle;
    windowClass.lpfnWndProc = &Window::WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;  // OnPaint draws the whole client area
    windowClass.lpszClassName = params.className;
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    registered.insert(params.className);
  }
  HWND hwnd = CreateWindowExA(params.exStyle, params.className, params.title.c_str(), params.style, params.x,
                              params.y, params.width, params.height, params.parent, params.menuOrId, instance, this);
  return hwnd != nullptr && hwnd == hwnd_;
}

void Window::DestroyHandle() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK Window::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->hwnd_ = hwnd;
    WindowObjects<Window>::Attach(hwnd, created);
  }
  Window* self = WindowObjects<Window>::Find(hwnd);
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    WindowObjects<Window>::Detach(hwnd);
    self->hwnd_ = nullptr;
    try {
      self->OnNcDestroy();
    } catch (...) {
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    // A failing handler loses its own work only; the window keeps running.
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      break;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT draws everything, without flicker
    case WM_PAINT:
      PaintBuffered();
      return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd_, &client);
      OnPaint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
      OnMouseDown(MouseArgsFromMessage(message, wParam, lParam));
      return 0;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      OnMouseUp(MouseArgsFromMessage(message, wParam, lParam));
      return 0;
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
      OnDoubleClick(MouseArgsFromMessage(message, wParam, lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(MouseArgsFromMessage(message, wParam, lParam));
      return 0;
    case WM_COMMAND: case WM_NOTIFY: case WM_HSCROLL: case WM_VSCROLL:
    case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
      if (OnChildMessage(message, wParam, lParam, &result)) return result;
      break;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void Window::OnPaint(HDC dc, const RECT& client) { FillRect(dc, &client, BackgroundBrush()); }

void Window::PaintBuffered() {
  PAINTSTRUCT paint;
  HDC windowDc = BeginPaint(hwnd_, &paint);
  RECT client;
  GetClientRect(hwnd_, &client);
  if (client.right > 0 && client.bottom > 0) {
    MemoryDC buffer(windowDc);
    ScopedBitmap bitmap(CreateCompatibleBitmap(windowDc, client.right, client.bottom));
    if (buffer.get() && bitmap) {
      ScopedSelect selected(buffer.get(), bitmap.get());
      OnPaint(buffer.get(), client);
      const RECT& dirty = paint.rcPaint;
      BitBlt(windowDc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, buffer.get(),
             dirty.left, dirty.top, SRCCOPY);
    } else {
      OnPaint(windowDc, client);  // out of GDI memory: draw straight on the window
    }
  }
  EndPaint(hwnd_, &paint);
}

}  // namespace quorvane
