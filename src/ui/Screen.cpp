#include "ui/Screen.h"

#include <windows.h>

#include "ui/ScopedGdi.h"

namespace quorvane {

namespace {

// Below this text is no longer readable: a smaller screen shows part of the window.
constexpr int kSmallestDpi = 48;

int g_fittedDpi = 0;  // 0 until a window was fitted

int SystemDpi() {
  static const int dpi = [] {
    ScreenDC screen;
    int value = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return value > 0 ? value : kDefaultDpi;
  }();
  return dpi;
}

}  // namespace

int ScreenDpi() { return g_fittedDpi > 0 ? g_fittedDpi : SystemDpi(); }

void FitLayoutToWorkArea(TwipsSize windowSize) {
  int dpi = SystemDpi();
  RECT work{};
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
    while (dpi > kSmallestDpi && (TwipsToPixels(windowSize.width, dpi) > work.right - work.left ||
                                  TwipsToPixels(windowSize.height, dpi) > work.bottom - work.top))
      --dpi;
  g_fittedDpi = dpi;
}

}  // namespace quorvane
