// A picture box: shows a bitmap or an icon at its top-left corner over its
// background colour, and lets the form draw on it (Paint) and follow the mouse.
#pragma once

#include "ui/OwnDrawnControl.h"
#include "ui/ScopedGdi.h"

namespace quorvane {

class PictureBox : public OwnDrawnControl {
 public:
  PictureBox(Container& container, ControlName name, const TwipsRect& place, bool sunkenBorder = true);

  // The picture box owns what it is given.
  void SetBitmap(ScopedBitmap bitmap);
  void SetIcon(ScopedIcon icon);
  void ClearPicture();
  bool HasPicture() const { return bitmap_ || icon_; }
  HBITMAP Bitmap() const { return bitmap_.get(); }
  HICON Icon() const { return icon_.get(); }

  // Drawing of the form's own, after the background and the picture.
  Event<HDC, const RECT&> Paint;

 private:
  const char* WindowClassName() const override { return "QuorvanePicture"; }
  DWORD ExtraExStyle() const override { return sunkenBorder_ ? WS_EX_CLIENTEDGE : 0; }
  void Draw(HDC dc, const RECT& client) override;

  bool sunkenBorder_;
  ScopedBitmap bitmap_;
  ScopedIcon icon_;
};

}  // namespace quorvane
