// The glyphs the movie control can draw, by the names scene files use.
#pragma once

#include <string>

namespace quorvane {

inline constexpr const char* kMovieGlyphNames[] = {
    "wand",  "sliders", "archive", "pulse",   "chart",  "chip",  "gear",     "globe",    "monitor",
    "modem", "network", "help",    "info",    "home",   "minimize", "tray",  "close",    "restart",
    "logo",  "arrow",
};

inline bool IsMovieGlyphName(const std::string& name) {
  for (const char* known : kMovieGlyphNames)
    if (name == known) return true;
  return false;
}

}  // namespace quorvane
