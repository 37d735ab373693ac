// The base of every window the program makes itself: stores `this` with the
// window at WM_NCCREATE and turns messages into named virtual methods. No C++
// exception leaves the window procedure.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane {

// Mouse buttons and shift keys in the classic event numbering.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftKey : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

struct MouseEventArgs {
  int button = 0;  // one MouseButton for presses and releases; the held buttons for moves
  int shift = 0;   // ShiftKey bits
  int x = 0;       // pixels, in the client area of the window that received it
  int y = 0;
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hWnd() const { return hwnd_; }

 protected:
  struct CreateParams {
    const char* className = nullptr;  // registered on first use with this module
    UINT classStyle = CS_DBLCLKS;     // the class's style, when this registers it
    std::string title;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    HMENU menuOrId = nullptr;
  };

  // False when Windows refused (the reason stays in GetLastError).
  bool CreateHandle(const CreateParams& params);
  void DestroyHandle();

  // The message switch; each case calls one named method. Overrides handle what
  // they add and pass the rest on.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  virtual bool OnCreate() { return true; }
  virtual void OnDestroy() {}
  virtual void OnNcDestroy() {}
  virtual void OnClose() { DestroyHandle(); }
  virtual void OnSize(int /*width*/, int /*height*/) {}
  virtual void OnActivate(bool /*active*/) {}
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual void OnMouseDown(const MouseEventArgs&) {}
  virtual void OnMouseMove(const MouseEventArgs&) {}
  virtual void OnMouseUp(const MouseEventArgs&) {}
  virtual void OnDoubleClick(const MouseEventArgs&) {}
  // Notifications and colour requests of child controls (WM_COMMAND, WM_NOTIFY,
  // WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR*); true when handled, with *result set.
  virtual bool OnChildMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT* /*result*/) { return false; }

  // Paints the whole client area. WM_PAINT calls it with an off-screen bitmap,
  // WM_PRINTCLIENT with the given device context.
  virtual void OnPaint(HDC dc, const RECT& client);
  virtual HBRUSH BackgroundBrush() const { return GetSysColorBrush(COLOR_BTNFACE); }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void PaintBuffered();

  HWND hwnd_ = nullptr;
};

// The top-level window that holds a window (itself when it is top-level).
// Windows 95 lacks GetAncestor; this walks the parents instead.
HWND TopLevelWindowOf(HWND hwnd);

// Reads the button and shift state of a mouse message.
// The ShiftKey bits of the keys held down now.
int ShiftState();

MouseEventArgs MouseArgsFromMessage(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quorvane
