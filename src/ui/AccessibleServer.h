// Answers a window's WM_GETOBJECT with its accessible object, made on the first
// question and kept while the window lives: a screen reader asking again gets
// the same object. The window's owner holds one and closes it when the window
// goes.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/AccessibleObject.h"

namespace quorvane {

class AccessibleServer {
 public:
  using Make = std::function<AccessibleObject*(HWND window)>;

  AccessibleServer() = default;
  AccessibleServer(const AccessibleServer&) = delete;
  AccessibleServer& operator=(const AccessibleServer&) = delete;
  ~AccessibleServer() { Close(); }

  // True with *result set for a question about the window's client area;
  // false for any other object (the window's default handling answers those).
  bool Answer(HWND window, WPARAM wParam, LPARAM lParam, const Make& make, LRESULT* result);
  // The window goes: screen readers still holding the object learn it is gone.
  void Close();

 private:
  AccessibleObject* object_ = nullptr;
};

}  // namespace quorvane
