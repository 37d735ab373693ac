// A window restyled by the skin. The skin takes over the window's procedure (the
// window keeps working as before underneath) and either paints it whole (push
// buttons, check boxes, option buttons, labels, the program's frames) or lets it
// paint itself and adds its background, border and shape (forms and other
// windows). The object lives as long as the window.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "shell/skin/SkinDefinition.h"
#include "shell/skin/SkinTarget.h"
#include "ui/AccessibleServer.h"
#include "ui/ScopedGdi.h"

namespace quorvane {

class SkinnedWindow {
 public:
  SkinnedWindow(const SkinnedWindow&) = delete;
  SkinnedWindow& operator=(const SkinnedWindow&) = delete;

  // Gives the window the object's look from the skin; a window skinned before
  // takes the new look. False when the window's procedure cannot be taken over.
  static bool Apply(HWND window, SkinTarget target, SkinObject object, std::shared_ptr<const SkinDefinition> skin);

  // The skin object a window wears, if any.
  static std::optional<SkinObject> ObjectOf(HWND window);

 private:
  SkinnedWindow(HWND window, SkinTarget target);
  ~SkinnedWindow() = default;

  static SkinnedWindow* Of(HWND window);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam);
  const SkinLook& Look() const { return skin_->Look(object_); }

  // Puts the look into the window: font, the layer's colours, shape, repaint.
  void Restyle();
  void UpdateShape();
  void TrackMouseLeave();

  // Whole painting of the controls the skin draws itself.
  void PaintWhole(HDC target);
  void PaintWholeNow();
  COLORREF ParentBackground(HDC dc) const;
  HFONT PaintFont() const;

  // Windows that paint themselves: background, border, colours of their children.
  bool EraseBackground(HDC dc);
  void DrawBorder(HDC dc);
  LRESULT ColourChild(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_;
  SkinTarget target_;
  WNDPROC previous_ = nullptr;
  SkinObject object_ = SkinObject::Main;
  std::shared_ptr<const SkinDefinition> skin_;
  ScopedBrush backBrush_;
  bool hot_ = false;
  bool trackingLeave_ = false;
  bool shaped_ = false;
  SIZE shapedSize_{0, 0};
  AccessibleServer accessible_;  // for the controls the skin paints whole
  // Messages being handled right now; the object outlives the window until they return.
  int depth_ = 0;
  bool destroyed_ = false;
};

}  // namespace quorvane
