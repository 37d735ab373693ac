// The skin control: reads a skin file ("QuorvaneMask.skn", docs/skin-format.md)
// and restyles windows in the look of a named skin object: "Main", "NoFrame",
// "controlForm", "Button", "Label", "Frame", "CheckBox" or "RadioBox". A missing
// or damaged file gives a plain look in the system's colours and never stops
// anything; LoadError() says what was wrong.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "shell/skin/SkinDefinition.h"

namespace quorvane {

class Control;
class Form;

class SkinControl {
 public:
  SkinControl();

  // True when the file was read; false leaves the plain look. Windows skinned
  // before keep their look until the skin is applied to them again.
  bool LoadSkin(const std::string& path);

  // Restyles the window in the object's look. False (the error the callers may
  // ignore) when the handle is no window of this program's thread, the name is
  // no skin object (case matters), or the object cannot take that kind of window
  // (Button takes push buttons, CheckBox check boxes, RadioBox option buttons,
  // Label text labels; the others take frames and windows, not other controls).
  bool ApplySkin(HWND window, const std::string& objectName);

  // Empty after a good load; else the file and what was wrong with it.
  const std::string& LoadError() const { return loadError_; }
  bool IsPlain() const { return plain_; }
  const SkinDefinition& Definition() const { return *skin_; }

  // The skin object a window was last given, if any.
  static std::optional<SkinObject> AppliedObject(HWND window);

 private:
  std::shared_ptr<const SkinDefinition> skin_;
  std::string loadError_;
  bool plain_ = true;
};

// The skin object for a control of a form, tested in this order: command button
// "Button"; skinned label "Label"; frame "NoFrame" when its tag is exactly "No",
// else "Frame"; check box "CheckBox"; option button "RadioBox". Empty for any
// other control.
std::string SkinObjectForControl(const Control& control);

// Skins every control of the form, in the form's control order. A control
// without a window, or one the skin rejects, is skipped and the rest go on.
void ApplySkinToAllControls(SkinControl& skin, Form& form);

}  // namespace quorvane
