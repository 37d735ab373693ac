// Labels: static text that wraps at word boundaries and expands tabs. The skin
// label is the same control, counted as the skin's "Label" kind when a form's
// controls are skinned.
#pragma once

#include <string>

#include "ui/Control.h"

namespace quorvane {

enum class TextAlign { Left, Center, Right };

class Label : public Control {
 public:
  Label(Container& container, ControlName name, const TwipsRect& place, std::string caption = {},
        TextAlign align = TextAlign::Left);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  Event<> Click;

 protected:
  Label(Container& container, ControlKind kind, ControlName name, const TwipsRect& place, std::string caption,
        TextAlign align);

 private:
  void CreateControlWindow(HWND parent, int id) override;
  bool OnCommand(UINT code) override;

  std::string caption_;
  TextAlign align_;
};

class SkinLabel : public Label {
 public:
  SkinLabel(Container& container, ControlName name, const TwipsRect& place, std::string caption = {},
            TextAlign align = TextAlign::Left)
      : Label(container, ControlKind::SkinLabel, std::move(name), place, std::move(caption), align) {}
};

}  // namespace quorvane
