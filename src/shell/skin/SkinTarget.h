// Which windows a skin object can take. The skin draws push buttons, check
// boxes, option buttons and text labels itself, restyles the program's frames,
// and gives any other window of the program (a form, a dialog) its background,
// border and shape. Other controls (text boxes, lists, ...) it cannot take.
#pragma once

#include <windows.h>

#include "shell/skin/SkinDefinition.h"

namespace quorvane {

enum class SkinTarget {
  PushButton,
  CheckBox,
  RadioButton,
  Label,         // a static control that shows text
  ProgramFrame,  // a frame of the control layer
  Window,        // a window that paints itself: a form, a dialog, a container
  Unskinnable,   // any other control, or a window of another thread or program
};

SkinTarget ClassifySkinTarget(HWND window);

// Button takes push buttons, CheckBox check boxes, RadioBox option buttons,
// Label text labels; Main, controlForm, NoFrame and Frame take frames and windows.
bool SkinObjectTakes(SkinObject object, SkinTarget target);

// The skin draws these controls whole, instead of their own painting.
inline bool SkinPaintsWhole(SkinTarget target) {
  return target == SkinTarget::PushButton || target == SkinTarget::CheckBox || target == SkinTarget::RadioButton ||
         target == SkinTarget::Label || target == SkinTarget::ProgramFrame;
}

}  // namespace quorvane
