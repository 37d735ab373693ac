// How each kind of skinned control looks: the button's face, the check box and
// option button glyphs, the label, and the frame with its border and caption.
// Each paints the whole control into a SkinCanvas.
#pragma once

#include <windows.h>

#include <string>

#include "shell/skin/SkinCanvas.h"
#include "shell/skin/SkinDefinition.h"

namespace quorvane {

// What a paint needs to know of the control besides its look.
struct SkinPaintInput {
  std::string text;
  HFONT font = nullptr;
  DWORD style = 0;               // the window's style (alignment, multi-line, ...)
  COLORREF parentBack = 0;       // what shows around rounded corners and through a parent-coloured back
  bool enabled = true;
  bool focused = false;
  bool showFocus = true;         // false while the keyboard cues are hidden
  bool pressed = false;
  bool hot = false;              // the mouse is over it
  bool isDefault = false;        // the push button that Enter presses
  int check = BST_UNCHECKED;     // BST_CHECKED or BST_INDETERMINATE for check boxes and option buttons
};

void PaintSkinPushButton(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input);
void PaintSkinCheckBox(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input);
void PaintSkinRadioBox(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input);
void PaintSkinLabel(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input);
// A frame: its background, its border when it has one, and the caption set into
// the border's top line when `withCaption`.
void PaintSkinFrame(SkinCanvas& canvas, const SkinLook& look, const SkinPaintInput& input, bool withBorder,
                    bool withCaption);

// The border of a window that paints itself, drawn over its client area's edge.
void DrawSkinWindowBorder(HDC dc, const RECT& client, const SkinLook& look);

// The side of the square glyph of check boxes and option buttons, in pixels.
int SkinGlyphSize();

}  // namespace quorvane
