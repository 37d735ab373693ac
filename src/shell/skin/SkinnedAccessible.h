// What a control the skin paints whole tells a screen reader: the role and name
// of the control it draws (a push button named by its caption, a check box that
// says whether it is checked, an option button, a text, a frame's group), as
// the system says it of the plain control. The control's keyboard and click
// behaviour are its own; the default action clicks it as a person does.
#pragma once

#include <windows.h>

#include "shell/skin/SkinTarget.h"
#include "ui/AccessibleObject.h"

namespace quorvane {

// The object answering WM_GETOBJECT for a skinned control, with one reference;
// nullptr for a target the skin does not paint whole.
AccessibleObject* NewSkinnedAccessible(HWND window, SkinTarget target);

}  // namespace quorvane
