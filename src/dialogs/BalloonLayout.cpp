#include "dialogs/BalloonLayout.h"

namespace quorvane {

namespace {

constexpr int Bottom(const TwipsRect& place) { return place.top + place.height; }

TwipsRect MessagePlace(int pageWidth, int messageHeight) {
  return {kMessageLeft, kMessageTop, pageWidth - kMessageNarrower, messageHeight};
}

}  // namespace

TwipsRect TitlePlace(bool besideIcon, int rightEdge) {
  const int left = besideIcon ? kTitleLeft : kMessageLeft;
  return {left, kTitleTop, rightEdge - left, kTitleHeight};
}

MessagePageLayout LayoutMessagePage(int pageWidth, int messageHeight) {
  MessagePageLayout layout;
  layout.message = MessagePlace(pageWidth, messageHeight);
  layout.checkBox = {layout.message.left, Bottom(layout.message) + 70, layout.message.width, kCheckBoxHeight};
  layout.pageHeight = Bottom(layout.message) + 900;
  layout.buttonTop = layout.pageHeight - kButtonHeight - 100;
  return layout;
}

InputPageLayout LayoutInputPage(int pageWidth, int messageHeight) {
  InputPageLayout layout;
  layout.message = MessagePlace(pageWidth, messageHeight);
  layout.textBox = {layout.message.left, Bottom(layout.message) + 300, layout.message.width, kTextBoxHeight};
  const int buttonTop = Bottom(layout.textBox) + 70;
  layout.ok = {layout.textBox.left + layout.textBox.width - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight};
  layout.cancel = {layout.ok.left - layout.ok.width - 70, buttonTop, kButtonWidth, kButtonHeight};
  // As tall as the buttons, so its caption lines up with theirs; it ends short of "Cancel".
  layout.checkBox = {layout.textBox.left, buttonTop, layout.cancel.left - 60 - layout.textBox.left, kButtonHeight};
  layout.pageHeight = buttonTop + kButtonHeight + 115;
  return layout;
}

AutoPageLayout LayoutAutoPage(int pageWidth, int messageHeight) {
  AutoPageLayout layout;
  layout.message = MessagePlace(pageWidth, messageHeight);
  layout.closeImage = {pageWidth - 50 - kCloseImageSize, kIconPlace.top, kCloseImageSize, kCloseImageSize};
  layout.pageHeight = Bottom(layout.message) + 300;
  return layout;
}

}  // namespace quorvane
