// Fonts of the controls. Every control starts with the classic dialog font,
// MS Sans Serif 8 (the system's GUI font where that face is missing); a form may
// give a control another face, size or weight.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane {

struct FontChoice {
  std::string face = "MS Sans Serif";
  int points = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// The font so chosen, made once and kept for the whole run, so that
// controls can share it without owning it. Falls back to the system's GUI font
// when the face is not installed.
HFONT SharedFont(const FontChoice& choice);

// MS Sans Serif 8, or the system's GUI font.
HFONT DialogFont();

}  // namespace quorvane
