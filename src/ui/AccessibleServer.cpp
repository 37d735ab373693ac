#include "ui/AccessibleServer.h"

#include "ui/AccessibilityLibrary.h"

namespace quorvane {

bool AccessibleServer::Answer(HWND window, WPARAM wParam, LPARAM lParam, const Make& make, LRESULT* result) {
  // The object id is a DWORD: on 64-bit Windows it arrives without its sign.
  if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) return false;
  // A window made again under the same owner gets a new object.
  if (object_ && object_->Window() != window) Close();
  if (!object_) object_ = make(window);
  if (!object_) return false;
  *result = ResultForGetObject(object_, wParam);
  return *result != 0;
}

void AccessibleServer::Close() {
  if (!object_) return;
  object_->Disconnect();
  object_->Release();
  object_ = nullptr;
}

}  // namespace quorvane
