// A skin: for each skin object the program names, the colours, font and border
// it gives a window (the file format: docs/skin-format.md). Pure data, no
// <windows.h>.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

struct SkinColour {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const SkinColour&, const SkinColour&) = default;
};

// A vertical gradient, top to bottom; a plain colour has both ends equal.
struct SkinGradient {
  SkinColour top, bottom;
  friend bool operator==(const SkinGradient&, const SkinGradient&) = default;
};

enum class SkinObject { Main, NoFrame, ControlForm, Button, Label, Frame, CheckBox, RadioBox };
inline constexpr std::size_t kSkinObjectCount = 8;

// "Main", "NoFrame", "controlForm", "Button", "Label", "Frame", "CheckBox", "RadioBox".
const char* SkinObjectName(SkinObject object);
// Exactly as above: case matters ("button" is no skin object).
std::optional<SkinObject> SkinObjectFromName(std::string_view name);

// Main and controlForm restyle whole windows; the others restyle one control.
inline bool IsWindowObject(SkinObject object) { return object == SkinObject::Main || object == SkinObject::ControlForm; }

// The look of one skin object. Which fields an object uses: docs/skin-format.md.
struct SkinLook {
  std::optional<SkinColour> back;  // nullopt: the parent window's background shows through
  SkinColour text{0, 0, 0};
  SkinColour textDisabled{128, 128, 128};
  SkinColour accent{10, 100, 200};
  std::optional<SkinColour> border;  // nullopt: no border
  int borderWidth = 1;
  int radius = 0;  // corners of the border, the button face and the check box
  SkinGradient face{{240, 240, 240}, {240, 240, 240}};
  SkinGradient faceHover = face;
  SkinGradient facePressed = face;
  SkinGradient faceDisabled = face;
  std::string font = "Tahoma";
  int size = 8;  // points
  bool bold = false;
  int shapeRadius = 0;  // rounded corners of a window's region; 0 keeps it rectangular
};

struct SkinDefinition {
  std::string name;
  std::array<SkinLook, kSkinObjectCount> looks;

  const SkinLook& Look(SkinObject object) const { return looks[static_cast<std::size_t>(object)]; }
  SkinLook& Look(SkinObject object) { return looks[static_cast<std::size_t>(object)]; }
};

}  // namespace quorvane
