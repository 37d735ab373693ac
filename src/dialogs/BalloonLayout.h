// Where the controls of the balloon's three pages go, in twips inside the page,
// and how tall the page becomes around its message. Pure arithmetic, no
// <windows.h>; the message's height is measured by the caller.
#pragma once

#include "ui/Twips.h"

namespace quorvane {

// The design's scale: 15 twips to the pixel, the screen at 96 dots per inch.
inline constexpr int kDesignTwipsPerPixel = 15;

// The window is 5280 twips wide; each page sits 8 pixels in and 30 down and is
// 30 pixels narrower than the window.
inline constexpr int kBalloonWidthTwips = 5280;
inline constexpr int kPageLeftPx = 8;
inline constexpr int kPageTopPx = 30;
inline constexpr int kPageNarrowerPx = 30;
// Window height beyond the page: the message and input boxes add 65 pixels to
// the page's height; the automatic box adds 40 to the page's bottom.
inline constexpr int kBelowModalPagePx = 65;
inline constexpr int kBelowAutoPagePx = 40;

// Designed places on every page.
inline constexpr TwipsRect kIconPlace{65, 60, 480, 480};
inline constexpr int kTitleLeft = 665;  // beside the icon
inline constexpr int kTitleTop = 165;
inline constexpr int kTitleHeight = 255;
inline constexpr int kMessageLeft = 65;
inline constexpr int kMessageTop = 615;
inline constexpr int kMessageNarrower = 130;  // than the page
inline constexpr int kButtonWidth = 1200;
inline constexpr int kButtonHeight = 375;
inline constexpr int kCheckBoxHeight = 255;
inline constexpr int kTextBoxHeight = 315;
inline constexpr int kCloseImageSize = 300;

// The title: beside the icon, or at the message's left edge without one, up to
// the right edge given.
TwipsRect TitlePlace(bool besideIcon, int rightEdge);

// The message box page: the message, the check box 70 twips under it, the
// buttons' top 100 twips above the page's bottom, which lies 900 under the message.
struct MessagePageLayout {
  TwipsRect message;
  TwipsRect checkBox;
  int buttonTop = 0;
  int pageHeight = 0;
};
MessagePageLayout LayoutMessagePage(int pageWidth, int messageHeight);

// The input box page: the text box 300 twips under the message, "OK" under its
// right end, "Cancel" 70 twips left of "OK", the check box at their height on
// the left, the page's bottom 115 twips under the buttons.
struct InputPageLayout {
  TwipsRect message;
  TwipsRect textBox;
  TwipsRect checkBox;
  TwipsRect ok;
  TwipsRect cancel;
  int pageHeight = 0;
};
InputPageLayout LayoutInputPage(int pageWidth, int messageHeight);

// The automatic box page: the close image level with the icon, 50 twips in
// from the right; the page's bottom 300 twips under the message.
struct AutoPageLayout {
  TwipsRect message;
  TwipsRect closeImage;
  int pageHeight = 0;
};
AutoPageLayout LayoutAutoPage(int pageWidth, int messageHeight);

}  // namespace quorvane
