// The one way from a window handle to the object of ours that handles it, and the
// one way to take over a window's procedure. A map in the process, not a window
// property or extra window bytes: every message of every window asks, and under
// Wine a property is a trip to the server.
#pragma once

#include <windows.h>

#include <unordered_map>

namespace quorvane {

// One map per kind of object (windows of our class, controls, skinned windows): a
// window can be a control and skinned at once.
template <typename T>
class WindowObjects {
 public:
  static void Attach(HWND hwnd, T* object) { Map()[hwnd] = object; }
  static void Detach(HWND hwnd) { Map().erase(hwnd); }
  static T* Find(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto found = Map().find(hwnd);
    return found == Map().end() ? nullptr : found->second;
  }

 private:
  static std::unordered_map<HWND, T*>& Map() {
    static std::unordered_map<HWND, T*> objects;
    return objects;
  }
};

// Puts the procedure in; returns the one it replaced (nullptr when that failed).
inline WNDPROC SubclassWindow(HWND hwnd, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

// Gives the window its earlier procedure back, unless someone who subclassed it
// after us holds it now (they put back their own, which is ours' caller chain).
inline void UnsubclassWindow(HWND hwnd, WNDPROC ours, WNDPROC previous) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)) == ours)
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

}  // namespace quorvane
