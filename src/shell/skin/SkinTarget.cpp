#include "shell/skin/SkinTarget.h"

#include <cctype>

#include "common/TextCase.h"
#include "ui/Control.h"

namespace quorvane {

namespace {

// The system's and the common controls' classes: they paint themselves in ways the
// skin does not know, so no window object may take them.
bool IsStandardControlClass(const char* className) {
  static const char* const kClasses[] = {"Edit",      "ComboBox",  "ComboLBox", "ListBox",  "ScrollBar",
                                         "RichEdit",  "msctls_",   "Sys",       "tooltips_class32",
                                         "ReBarWindow32", "ToolbarWindow32", "ComboBoxEx32", "#32768"};
  for (const char* prefix : kClasses)
    if (StartsWithNoCase(className, prefix)) return true;
  return false;
}

SkinTarget ClassifyButton(DWORD style) {
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return SkinTarget::PushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return SkinTarget::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return SkinTarget::RadioButton;
  }
  return SkinTarget::Unskinnable;  // group boxes, owner-drawn and user buttons
}

SkinTarget ClassifyStatic(DWORD style) {
  switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: return SkinTarget::Label;
  }
  return SkinTarget::Unskinnable;  // icons, bitmaps, rectangles and etched lines
}

}  // namespace

SkinTarget ClassifySkinTarget(HWND window) {
  if (!window || !IsWindow(window)) return SkinTarget::Unskinnable;
  // Restyling means taking over the window's procedure, which only its own thread may do.
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return SkinTarget::Unskinnable;
  char className[64] = {};
  if (!GetClassNameA(window, className, sizeof className)) return SkinTarget::Unskinnable;
  DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  if (EqualNoCase(className, "Button")) return ClassifyButton(style);
  if (EqualNoCase(className, "Static")) return ClassifyStatic(style);
  if (Control* control = Control::FromHandle(window))
    return control->Kind() == ControlKind::Frame ? SkinTarget::ProgramFrame : SkinTarget::Unskinnable;
  if (IsStandardControlClass(className)) return SkinTarget::Unskinnable;
  return SkinTarget::Window;
}

bool SkinObjectTakes(SkinObject object, SkinTarget target) {
  switch (object) {
    case SkinObject::Button: return target == SkinTarget::PushButton;
    case SkinObject::CheckBox: return target == SkinTarget::CheckBox;
    case SkinObject::RadioBox: return target == SkinTarget::RadioButton;
    case SkinObject::Label: return target == SkinTarget::Label;
    case SkinObject::Main:
    case SkinObject::ControlForm:
    case SkinObject::NoFrame:
    case SkinObject::Frame: return target == SkinTarget::ProgramFrame || target == SkinTarget::Window;
  }
  return false;
}

}  // namespace quorvane
