// An up-down control paired with a text box (its buddy): it sits at the box's
// right edge, its value is the number in the box, and its arrows (or the arrow
// keys in the box) step that number within the range.
#pragma once

#include "ui/Control.h"

namespace quorvane {

class TextBox;

class UpDown : public Control {
 public:
  // Lives in the buddy's container; declare it after the buddy.
  UpDown(TextBox& buddy, ControlName name, int min = 0, int max = 10, int increment = 1);

  TextBox& Buddy() const { return buddy_; }

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Increment() const { return increment_; }
  void SetIncrement(int increment);

  // The number in the box when it is a whole number inside the range, else the
  // last such.
  int Value() const;
  // Puts the value (kept inside the range) into the box; raises Change when it differs.
  void SetValue(int value);

  // The value changed through the arrows or SetValue.
  Event<> Change;

 private:
  void CreateControlWindow(HWND parent, int id) override;
  void OnScroll(int code) override;
  int Clamp(int value) const;

  TextBox& buddy_;
  int min_;
  int max_;
  int increment_;
  mutable int value_;  // the last value the box showed
};

}  // namespace quorvane
