#include "ui/AccessibilityLibrary.h"

#include <vector>

#include "system/LazyLibrary.h"

namespace quorvane {

IAccessible* StandardClientObject(HWND window) {
  using Create = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
  static const auto create = LibraryFunction<Create>("oleacc.dll", "CreateStdAccessibleObject");
  void* object = nullptr;
  if (!create || FAILED(create(window, OBJID_CLIENT, __uuidof(IAccessible), &object))) return nullptr;
  return static_cast<IAccessible*>(object);
}

LRESULT ResultForGetObject(IAccessible* object, WPARAM wParam) {
  using Result = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
  using Initialize = HRESULT(WINAPI*)(LPVOID);
  static const auto result = LibraryFunction<Result>("oleacc.dll", "LresultFromObject");
  if (!result) return 0;
  // Once per thread, for the life of the thread: the object is marshalled to
  // the screen reader through this thread's apartment.
  thread_local bool comStarted = false;
  if (!comStarted) {
    if (const auto initialize = LibraryFunction<Initialize>("ole32.dll", "CoInitialize")) initialize(nullptr);
    comStarted = true;
  }
  return result(__uuidof(IAccessible), wParam, object);
}

BSTR NewAccessibleString(const std::string& text) {
  using Allocate = BSTR(WINAPI*)(const OLECHAR*, UINT);
  static const auto allocate = LibraryFunction<Allocate>("oleaut32.dll", "SysAllocStringLen");
  if (!allocate) return nullptr;
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(length) + 1);
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return allocate(wide.data(), static_cast<UINT>(length));
}

void RaiseWinEvent(DWORD event, HWND window, LONG objectId, LONG childId) {
  using Notify = void(WINAPI*)(DWORD, HWND, LONG, LONG);
  static const auto notify = LibraryFunction<Notify>("user32.dll", "NotifyWinEvent");
  if (notify && window) notify(event, window, objectId, childId);
}

}  // namespace quorvane
