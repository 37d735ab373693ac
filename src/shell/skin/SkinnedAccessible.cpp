#include "shell/skin/SkinnedAccessible.h"

#include <string>

#include "common/Mnemonic.h"
#include "ui/Control.h"
#include "ui/Frame.h"

namespace quorvane {

namespace {

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class SkinnedAccessible : public AccessibleObject {
 public:
  SkinnedAccessible(HWND window, SkinTarget target) : AccessibleObject(window), target_(target) {}

 private:
  void Describe(LONG child, AccessibleFacts& facts) override {
    if (child != CHILDID_SELF) return;
    HWND window = Window();
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const std::string caption = WindowText(window);
    LONG state = StandardState();
    switch (target_) {
      case SkinTarget::PushButton:
      case SkinTarget::CheckBox:
      case SkinTarget::RadioButton: {
        facts.name = CaptionText(caption);
        facts.shortcut = AltShortcutOf(caption);
        const LRESULT check = SendMessageA(window, BM_GETCHECK, 0, 0);
        if (check == BST_CHECKED) state |= STATE_SYSTEM_CHECKED;
        if (check == BST_INDETERMINATE) state |= STATE_SYSTEM_MIXED;
        if (SendMessageA(window, BM_GETSTATE, 0, 0) & BST_PUSHED) state |= STATE_SYSTEM_PRESSED;
        if (target_ == SkinTarget::PushButton) {
          facts.role = ROLE_SYSTEM_PUSHBUTTON;
          facts.defaultAction = "Press";
          if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) state |= STATE_SYSTEM_DEFAULT;
        } else if (target_ == SkinTarget::CheckBox) {
          facts.role = ROLE_SYSTEM_CHECKBUTTON;
          facts.defaultAction = check == BST_CHECKED ? "Uncheck" : "Check";
        } else {
          facts.role = ROLE_SYSTEM_RADIOBUTTON;
          facts.defaultAction = "Check";
        }
        break;
      }
      case SkinTarget::Label:
        facts.name = (style & SS_NOPREFIX) ? caption : CaptionText(caption);
        facts.role = ROLE_SYSTEM_STATICTEXT;
        state = (state & ~STATE_SYSTEM_FOCUSABLE) | STATE_SYSTEM_READONLY;
        break;
      case SkinTarget::ProgramFrame: {
        const Control* control = Control::FromHandle(window);
        if (control && control->Kind() == ControlKind::Frame) facts.name = static_cast<const Frame*>(control)->Caption();
        facts.role = ROLE_SYSTEM_GROUPING;
        state &= ~STATE_SYSTEM_FOCUSABLE;
        break;
      }
      default:
        return;
    }
    facts.state = state;
  }

  bool DoDefaultAction(LONG child) override {
    const bool clickable =
        target_ == SkinTarget::PushButton || target_ == SkinTarget::CheckBox || target_ == SkinTarget::RadioButton;
    if (child != CHILDID_SELF || !clickable || !IsWindowEnabled(Window())) return false;
    // Posted: the screen reader's call returns before whatever the click opens.
    PostMessageA(Window(), BM_CLICK, 0, 0);
    return true;
  }

  SkinTarget target_;
};

}  // namespace

AccessibleObject* NewSkinnedAccessible(HWND window, SkinTarget target) {
  if (!SkinPaintsWhole(target)) return nullptr;
  return new SkinnedAccessible(window, target);
}

}  // namespace quorvane
