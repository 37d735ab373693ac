#include <vector>

#include "shell/skin/SkinControl.h"
#include "ui/Control.h"
#include "ui/Form.h"

namespace quorvane {

std::string SkinObjectForControl(const Control& control) {
  switch (control.Kind()) {
    case ControlKind::CommandButton: return "Button";
    case ControlKind::SkinLabel: return "Label";
    case ControlKind::Frame: return control.Tag() == "No" ? "NoFrame" : "Frame";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::OptionButton: return "RadioBox";
    default: return {};
  }
}

void ApplySkinToAllControls(SkinControl& skin, Form& form) {
  // A copy: nothing the skin does may disturb the walk through the form's list.
  std::vector<Control*> controls = form.Controls();
  for (Control* control : controls) {
    std::string object = SkinObjectForControl(*control);
    if (object.empty() || !control->hWnd()) continue;
    skin.ApplySkin(control->hWnd(), object);  // a rejected control is skipped
  }
}

}  // namespace quorvane
