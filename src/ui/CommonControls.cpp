#include "ui/CommonControls.h"

#include <windows.h>
#include <commctrl.h>

namespace quorvane {

void EnsureCommonControls() {
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES;
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  (void)initialised;
}

}  // namespace quorvane
