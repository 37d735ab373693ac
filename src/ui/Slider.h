// A slider (trackbar) with a range, a value and tick marks.
//   Change: the value changed, by the user or by code.
//   Scroll: the user drags the thumb (raised while dragging).
//   Click:  the user finished an action on the slider (mouse released, key up).
#pragma once

#include "ui/Control.h"

namespace quorvane {

class Slider : public Control {
 public:
  Slider(Container& container, ControlName name, const TwipsRect& place, int min = 0, int max = 10,
         bool vertical = false);

  int Min() const { return min_; }
  int Max() const { return max_; }
  // The value is kept inside the range; a value moved by the new range raises Change.
  void SetRange(int min, int max);
  int Value() const { return value_; }
  // Raises Change when the value (put into the range) differs.
  void SetValue(int value);
  void SetSmallChange(int step);
  void SetLargeChange(int step);
  void SetTickFrequency(int frequency);

  Event<> Change;
  Event<> Scroll;
  Event<> Click;

 private:
  void CreateControlWindow(HWND parent, int id) override;
  void OnScroll(int code) override;
  void NoteValue(int value);

  int min_;
  int max_;
  int value_;
  bool vertical_;
  int smallChange_ = 1;
  int largeChange_ = 5;
  int tickFrequency_ = 1;
};

}  // namespace quorvane
