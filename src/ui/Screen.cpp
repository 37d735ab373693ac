#include "ui/Screen.h"

#include <windows.h>

#include "ui/ScopedGdi.h"

namespace quorvane {

int ScreenDpi() {
  static const int dpi = [] {
    ScreenDC screen;
    int value = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return value > 0 ? value : kDefaultDpi;
  }();
  return dpi;
}

}  // namespace quorvane
