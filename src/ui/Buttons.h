// Command buttons, check boxes and option buttons. Setting a check box's or an
// option button's value from code raises Click exactly as the user's click does.
#pragma once

#include <string>

#include "ui/Control.h"

namespace quorvane {

class CommandButton : public Control {
 public:
  CommandButton(Container& container, ControlName name, const TwipsRect& place, std::string caption = {});

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // The button that Enter presses on its form, and the one Escape presses.
  void SetDefault(bool isDefault);
  bool IsDefault() const { return default_; }
  void SetCancel(bool isCancel);
  bool IsCancel() const { return cancel_; }

  Event<> Click;

 private:
  void CreateControlWindow(HWND parent, int id) override;
  bool OnCommand(UINT code) override;

  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
};

// Check box values.
enum CheckValue : int { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

class CheckBox : public Control {
 public:
  CheckBox(Container& container, ControlName name, const TwipsRect& place, std::string caption = {},
           int value = kUnchecked);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  int Value() const { return value_; }
  // 0 unchecked, 1 checked, 2 grayed. Raises Click when the value changes (also
  // before the form loads: then nothing is raised). False for any other number,
  // which changes nothing.
  bool SetValue(int value);

  // The user's click: unchecked becomes checked, checked or grayed unchecked.
  Event<> Click;

 private:
  void CreateControlWindow(HWND parent, int id) override;
  bool OnCommand(UINT code) override;

  std::string caption_;
  int value_;
};

// Option buttons form one group per container (the form or a frame): at most
// one of a group is set.
class OptionButton : public Control {
 public:
  OptionButton(Container& container, ControlName name, const TwipsRect& place, std::string caption = {},
               bool value = false);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  bool Value() const { return value_; }
  // True clears the other buttons of the group and raises Click if this one was
  // not set; false clears it and raises nothing.
  void SetValue(bool value);

  // Raised when the button becomes the set one of its group, by the user or by
  // code. Clicking the button that is set already raises nothing.
  Event<> Click;

 private:
  void CreateControlWindow(HWND parent, int id) override;
  bool OnCommand(UINT code) override;
  bool FirstOfGroup() const;
  void ClearOthersOfGroup();
  void UpdateGroupTabStops();

  std::string caption_;
  bool value_;
};

}  // namespace quorvane
