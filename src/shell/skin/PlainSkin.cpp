#include "shell/skin/PlainSkin.h"

#include <windows.h>

namespace quorvane {

namespace {

SkinColour SystemColour(int index) {
  COLORREF colour = GetSysColor(index);
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

SkinGradient Flat(SkinColour colour) { return {colour, colour}; }

}  // namespace

SkinDefinition PlainSkin() {
  const SkinColour face = SystemColour(COLOR_BTNFACE);
  const SkinColour light = SystemColour(COLOR_BTNHIGHLIGHT);
  const SkinColour shadow = SystemColour(COLOR_BTNSHADOW);
  const SkinColour window = SystemColour(COLOR_WINDOW);

  SkinLook base;
  base.text = SystemColour(COLOR_BTNTEXT);
  base.textDisabled = SystemColour(COLOR_GRAYTEXT);
  base.accent = SystemColour(COLOR_HIGHLIGHT);
  base.font = "MS Sans Serif";
  base.size = 8;

  SkinDefinition skin;
  skin.name = "Plain";
  for (SkinLook& look : skin.looks) look = base;

  for (SkinObject object : {SkinObject::Main, SkinObject::ControlForm}) skin.Look(object).back = face;

  SkinLook& button = skin.Look(SkinObject::Button);
  button.face = button.faceDisabled = Flat(face);
  button.faceHover = Flat(light);
  button.facePressed = Flat(shadow);
  button.border = SystemColour(COLOR_3DDKSHADOW);

  SkinLook& frame = skin.Look(SkinObject::Frame);
  frame.border = shadow;

  for (SkinObject object : {SkinObject::CheckBox, SkinObject::RadioBox}) {
    SkinLook& look = skin.Look(object);
    look.face = look.faceHover = look.facePressed = Flat(window);
    look.faceDisabled = Flat(face);
    look.border = shadow;
  }
  return skin;
}

}  // namespace quorvane
