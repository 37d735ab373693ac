#include "ui/PictureBox.h"

namespace quorvane {

PictureBox::PictureBox(Container& container, ControlName name, const TwipsRect& place, bool sunkenBorder)
    : OwnDrawnControl(container, ControlKind::PictureBox, std::move(name), place), sunkenBorder_(sunkenBorder) {}

void PictureBox::SetBitmap(ScopedBitmap bitmap) {
  icon_.reset();
  bitmap_ = std::move(bitmap);
  Invalidate();
}

void PictureBox::SetIcon(ScopedIcon icon) {
  bitmap_.reset();
  icon_ = std::move(icon);
  Invalidate();
}

void PictureBox::ClearPicture() {
  bitmap_.reset();
  icon_.reset();
  Invalidate();
}

void PictureBox::Draw(HDC dc, const RECT& client) {
  FillRect(dc, &client, EffectiveBackBrush());
  if (bitmap_) {
    BITMAP info{};
    GetObjectA(bitmap_.get(), sizeof info, &info);
    MemoryDC source(dc);
    ScopedSelect selected(source.get(), bitmap_.get());
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
  } else if (icon_) {
    DrawIconEx(dc, 0, 0, icon_.get(), 0, 0, 0, nullptr, DI_NORMAL);
  }
  Paint.Raise(*this, dc, client);
}

}  // namespace quorvane
