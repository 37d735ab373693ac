// A frame: a container with an etched border and a caption. Controls placed in
// it are positioned relative to its top-left corner, hide with it, form their
// own option group, and are disabled while the frame (or any frame around it)
// is disabled; each keeps its own Enabled for when the frame is enabled again.
#pragma once

#include <string>

#include "ui/OwnDrawnControl.h"

namespace quorvane {

class Frame : public OwnDrawnControl, public Container {
 public:
  Frame(Container& container, ControlName name, const TwipsRect& place, std::string caption = {});

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // Without a border the frame draws neither the etched line nor the caption.
  void SetBorderVisible(bool visible);
  bool BorderVisible() const { return borderVisible_; }

  // Container
  Form& ContainerForm() override { return OwnerForm(); }
  HWND ContainerHandle() const override { return hWnd(); }
  Container* OuterContainer() const override { return Parent(); }
  bool ContainerOwnEnabled() const override { return Enabled(); }
  HBRUSH ContainerBackBrush() const override;
  COLORREF ContainerBackColor() const override { return EffectiveBackColor(); }

 private:
  bool IsContainer() const override { return true; }
  const char* WindowClassName() const override { return "QuorvaneFrame"; }
  void Draw(HDC dc, const RECT& client) override;

  std::string caption_;
  bool borderVisible_ = true;
};

}  // namespace quorvane
