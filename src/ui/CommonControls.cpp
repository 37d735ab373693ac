#include "ui/CommonControls.h"

#include <commctrl.h>

#include "system/LazyLibrary.h"

namespace quorvane {

namespace {

template <typename Function>
Function CommonControlsFunction(const char* name) {
  return LibraryFunction<Function>("comctl32.dll", name);
}

}  // namespace

void EnsureCommonControls() {
  static const bool initialised = [] {
    static const auto initialise = CommonControlsFunction<decltype(&InitCommonControlsEx)>("InitCommonControlsEx");
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES;
    return initialise && initialise(&classes) != FALSE;
  }();
  (void)initialised;
}

HICON IconFromBitmap(HBITMAP bitmap, int size) {
  static const auto create = CommonControlsFunction<decltype(&ImageList_Create)>("ImageList_Create");
  static const auto add = CommonControlsFunction<decltype(&ImageList_AddMasked)>("ImageList_AddMasked");
  static const auto icon = CommonControlsFunction<decltype(&ImageList_GetIcon)>("ImageList_GetIcon");
  static const auto destroy = CommonControlsFunction<decltype(&ImageList_Destroy)>("ImageList_Destroy");
  if (!create || !add || !icon || !destroy) return nullptr;
  HIMAGELIST list = create(size, size, ILC_COLOR24 | ILC_MASK, 1, 0);
  if (!list) return nullptr;
  const int index = add(list, bitmap, CLR_NONE);
  HICON made = index >= 0 ? icon(list, index, ILD_NORMAL) : nullptr;
  destroy(list);
  return made;
}

}  // namespace quorvane
