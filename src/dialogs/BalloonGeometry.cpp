#include "dialogs/BalloonGeometry.h"

namespace quorvane {

BalloonPlacement GetPointerStyle(BalloonPoint anchor, int screenWidth, int screenHeight, int windowWidth,
                                 int windowHeight) {
  const bool left = anchor.x <= screenWidth / 2;
  const bool top = anchor.y <= screenHeight / 2;
  BalloonPlacement placement;
  placement.windowTopLeft.x = left ? anchor.x - 42 : anchor.x + 42 - windowWidth;
  placement.windowTopLeft.y = top ? anchor.y : anchor.y - windowHeight;
  placement.style = top ? (left ? kPointerTopLeft : kPointerTopRight) : (left ? kPointerBottomLeft : kPointerBottomRight);
  return placement;
}

std::vector<BalloonPoint> PointerTriangle(PointerStyle style, int w, int h) {
  switch (style) {
    case kPointerBottomRight: return {{w - 61, h - 34}, {w - 36, h - 34}, {w - 36, h - 9}};
    case kPointerTopRight: return {{w - 58, 20}, {w - 38, 20}, {w - 38, 0}};
    case kPointerBottomLeft: return {{41, h - 34}, {66, h - 34}, {41, h - 9}};
    case kPointerTopLeft: return {{40, 20}, {60, 20}, {40, 0}};
    case kNoPointer: break;
  }
  return {};
}

RoundedRect BodyRim(int w, int h) { return {{0, 20, w - 14, h - 32}, 20, 20}; }
RoundedRect BodyFace(int w, int h) { return {{0, 20, w - 15, h - 33}, 24, 24}; }
RoundedRect ShadowShape(int w, int h) { return {{11, 29, w - 5, h - 23}, 45, 35}; }

std::vector<ShadowLine> ShadowLines(int w, int h, int lightness) {
  std::vector<ShadowLine> lines;
  for (int n = 17; n >= 0; --n) {
    const int factor = 20 * ((19 - n) / 2) + lightness;
    lines.push_back({n + 5, h - 23 - n, w - 5 - n, h - 23 - n, factor});  // the row
    lines.push_back({w - 5 - n, n + 23, w - 5 - n, h - 23 - n, factor});  // the column
  }
  return lines;
}

int ClampShadowLightness(int lightness) { return lightness < 0 ? 0 : lightness > 75 ? 75 : lightness; }

unsigned AutoCloseIntervalMs(int seconds) { return seconds > 0 ? static_cast<unsigned>(seconds) * 1000u : 0u; }

std::vector<BalloonButton> ButtonsForFlags(uint32_t flags, const std::string& custom1, const std::string& custom2,
                                           const std::string& custom3) {
  switch (flags & 7) {
    case 1: return {{"OK", kResultOk}, {"Cancel", kResultCancel}};
    case 2: return {{"Abort", kResultAbort}, {"Retry", kResultRetry}, {"Ignore", kResultIgnore}};
    case 3: return {{"Yes", kResultYes}, {"No", kResultNo}, {"Cancel", kResultCancel}};
    case 4: return {{"Yes", kResultYes}, {"No", kResultNo}};
    case 5: return {{"Retry", kResultRetry}, {"Cancel", kResultCancel}};
    case 6: {
      std::vector<BalloonButton> buttons;
      const std::string* texts[] = {&custom1, &custom2, &custom3};
      int count = 0;
      for (int i = 0; i < 3; ++i)
        if (!texts[i]->empty()) count = i + 1;
      for (int i = 0; i < count; ++i)
        buttons.push_back(texts[i]->empty() ? BalloonButton{} : BalloonButton{*texts[i], i + 1});
      return buttons;
    }
    default: return {{"OK", kResultOk}};
  }
}

int IconTileForFlags(uint32_t flags) {
  switch (flags & 0x70) {
    case 16: return 1;
    case 32: return 4;
    case 48: return 2;
    case 64: return 3;
    case 80: return 5;
    case 96: return 6;
    case 112: return 7;
    default: return 0;
  }
}

int DefaultButtonForFlags(uint32_t flags) {
  switch (flags & 0x300) {
    case 0: return 1;
    case 256: return 2;
    case 512: return 3;
    default: return 0;
  }
}

std::vector<int> ButtonLefts(int count, int pageWidth, int buttonWidth) {
  switch (count) {
    case 1: return {(pageWidth - buttonWidth) / 2};
    case 2: {
      int first = pageWidth / 3 - buttonWidth / 2;
      return {first, pageWidth - first - buttonWidth};
    }
    case 3: {
      int first = (kMiddleButtonDesignLeft - buttonWidth) / 2;
      return {first, (pageWidth - buttonWidth) / 2, pageWidth - first - buttonWidth};
    }
    default: return {};
  }
}

}  // namespace quorvane
