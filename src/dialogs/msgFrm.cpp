#include "dialogs/msgFrm.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "dialogs/BalloonLayout.h"
#include "dialogs/BalloonShape.h"
#include "dialogs/IconStrip.h"
#include "dialogs/MsgBoxFlags.h"
#include "ui/Screen.h"

namespace quorvane {

namespace {

// Each page as designed: 8 pixels in, 30 down, 30 pixels narrower than the window.
constexpr TwipsRect kPageDesign{kPageLeftPx * kDesignTwipsPerPixel, kPageTopPx * kDesignTwipsPerPixel,
                                kBalloonWidthTwips - kPageNarrowerPx * kDesignTwipsPerPixel, 3000};
constexpr int kPageDesignWidth = kPageDesign.width;
constexpr int kTitleRightEdge = kPageDesignWidth - kMessageLeft;

TwipsRect ButtonDesign(int index) {
  return {kMiddleButtonDesignLeft + (index - 1) * (kButtonWidth + 308), 1215, kButtonWidth, kButtonHeight};
}

// "¬" in the system code page (byte 0xAC in Windows-1252).
std::string NotSign() {
  char text[4] = {};
  BOOL defaulted = FALSE;
  int length = WideCharToMultiByte(CP_ACP, 0, L"\u00AC", 1, text, sizeof text, nullptr, &defaulted);
  return length > 0 && !defaulted ? std::string(text, length) : std::string("\xAC");
}

}  // namespace

msgFrm::msgFrm()
    : Form("msgFrm", "", {kBalloonWidthTwips, 3900}, FormOptions{.border = FormBorder::None}),
      pageMessage_(F1.Add(kMessagePage, *this, kPageDesign)),
      pageInput_(F1.Add(kInputPage, *this, kPageDesign)),
      pageAuto_(F1.Add(kAutoPage, *this, kPageDesign)),
      LblTitle(pageMessage_, "LblTitle", TitlePlace(true, kTitleRightEdge)),
      lblmsg(pageMessage_, "lblmsg", {kMessageLeft, kMessageTop, kPageDesignWidth - kMessageNarrower, 255}),
      P1(pageMessage_, "P1", kIconPlace, false),
      Check1(pageMessage_, "Check1", {kMessageLeft, 900, kPageDesignWidth - kMessageNarrower, kCheckBoxHeight}),
      iTitle(pageInput_, "iTitle", TitlePlace(true, kTitleRightEdge)),
      iMsg(pageInput_, "iMsg", {kMessageLeft, kMessageTop, kPageDesignWidth - kMessageNarrower, 255}),
      iPic(pageInput_, "iPic", kIconPlace, false),
      iTxt(pageInput_, "iTxt", {kMessageLeft, 1170, kPageDesignWidth - kMessageNarrower, kTextBoxHeight}),
      Check2(pageInput_, "Check2", {kMessageLeft, 1555, 2100, kButtonHeight}),
      aTitle(pageAuto_, "aTitle", TitlePlace(true, kTitleRightEdge)),
      aMsg(pageAuto_, "aMsg", {kMessageLeft, kMessageTop, kPageDesignWidth - kMessageNarrower, 255}),
      aPic(pageAuto_, "aPic", kIconPlace, false),
      command1(pageAuto_, "command1", {kPageDesignWidth - 50 - kCloseImageSize, kIconPlace.top, kCloseImageSize,
                                       kCloseImageSize}, false),
      pIcons(*this, "pIcons",
             {0, 0, kIconStripTiles * kIconTileSize * kDesignTwipsPerPixel, kIconTileSize * kDesignTwipsPerPixel},
             false),
      Timer1(*this, "Timer1", 0, false) {
  F1.ForEach([](Frame& page) {
    page.SetBorderVisible(false);
    page.SetVisible(false);
  });
  for (int i = 0; i < 3; ++i) cmd1.Add(i, pageMessage_, ButtonDesign(i), "");
  iCmd.Add(0, pageInput_, TwipsRect{2295, 1555, kButtonWidth, kButtonHeight}, "Cancel");
  iCmd.Add(1, pageInput_, TwipsRect{3565, 1555, kButtonWidth, kButtonHeight}, "OK");
  for (Label* title : {&LblTitle, &iTitle, &aTitle}) title->SetFont(FontChoice{.bold = true});
  Check1.SetVisible(false);
  Check2.SetVisible(false);
  pIcons.SetVisible(false);

  cmd1.Handle(&CommandButton::Click, [this](int index) { cmd1_Click(index); });
  iCmd.Handle(&CommandButton::Click, [this](int index) { iCmd_Click(index); });
  Timer1.Tick = [this] { Timer1_Timer(); };
  command1.MouseMove = [this](const MouseEventArgs& args) { command1_MouseMove(args); };
  command1.MouseDown = [this](const MouseEventArgs& args) { command1_MouseDown(args); };
  command1.MouseUp = [this](const MouseEventArgs& args) { command1_MouseUp(args); };
  command1.Click = [this] { command1_Click(); };
  // Moving off the close image, anywhere on the notice, takes its hot look away.
  for (Control* onNotice : std::initializer_list<Control*>{&pageAuto_, &aTitle, &aMsg, &aPic})
    onNotice->MouseMove = [this](const MouseEventArgs&) { AutoPage_MouseMove(); };
  // The box moves by its pages and its texts, held with the left button.
  for (Control* handle : std::initializer_list<Control*>{&pageMessage_, &pageInput_, &LblTitle, &lblmsg, &iTitle, &iMsg})
    handle->MouseMove = [this](const MouseEventArgs& args) { DragOnMove(args); };
}

// ---- Loading ----

void msgFrm::Form_Load() {
  // The icons grow with the screen's font size, drawn afresh rather than stretched.
  if (!pIcons.HasPicture()) pIcons.SetBitmap(MakeIconStrip(ScaleDesignPixels(kIconTileSize, ScreenDpi())));
  // A balloon is no window of its own on the taskbar.
  SetWindowLongPtrA(hWnd(), GWL_EXSTYLE, GetWindowLongPtrA(hWnd(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  tag_.clear();
}

void msgFrm::Form_Unload() {
  Timer1.SetEnabled(false);
  beneath_ = {};
  shadowImage_ = {};
}

void msgFrm::BeginCall(Page page, const std::string& caption, const std::string& prompt, COLORREF colour,
                       int lightness) {
  Load();
  Timer1.SetEnabled(false);
  closeHot_ = false;
  activated_ = false;
  resultCode_ = 0;
  defaultButton_ = 0;
  confirmed_ = false;
  F1.ForEach([page](Frame& each) { each.SetVisible(each.Index() == page); });
  // Enter and Escape belong to the page of this call, which names its own buttons.
  cmd1.ForEach([](CommandButton& button) { button.SetDefault(false); });
  iCmd(1).SetDefault(false);
  SetCancelButton(nullptr);
  for (CheckBox* box : {&Check1, &Check2}) {
    box->SetVisible(false);
    box->SetValue(kUnchecked);
  }

  backColour_ = colour == 0 ? kDefaultBalloonColour : colour;
  if (lightness != 0) tag_ = std::to_string(lightness);
  SetBackColor(backColour_);
  F1(page).SetBackColor(backColour_);
  TitleOf(page).SetCaption(caption);
  MessageOf(page).SetCaption(prompt);
  // Only the notice stays above other windows.
  SetWindowPos(hWnd(), page == kAutoPage ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Label& msgFrm::TitleOf(Page page) { return page == kMessagePage ? LblTitle : page == kInputPage ? iTitle : aTitle; }
Label& msgFrm::MessageOf(Page page) { return page == kMessagePage ? lblmsg : page == kInputPage ? iMsg : aMsg; }
PictureBox& msgFrm::IconOf(Page page) { return page == kMessagePage ? P1 : page == kInputPage ? iPic : aPic; }

int msgFrm::PageWidthTwips() const {
  return ScreenPixelsToTwips(ScreenTwipsToPixels(kBalloonWidthTwips) - kPageNarrowerPx);
}

int msgFrm::MessageHeightTwips(Page page, int widthTwips) {
  Label& message = MessageOf(page);
  HWND window = message.hWnd();
  WindowDC dc(window);
  if (!dc) return kTitleHeight;
  int lines = 0;
  RECT bounds{0, 0, ScreenTwipsToPixels(widthTwips), 0};
  {
    ScopedSelect font(dc.get(), message.Font());
    // Measured as the label draws it: wrapped at words, tabs expanded.
    DrawTextA(dc.get(), message.Caption().c_str(), -1, &bounds,
              DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS);
    RECT line{0, 0, 0, 0};
    DrawTextA(dc.get(), "Ag", -1, &line, DT_CALCRECT | DT_SINGLELINE);
    lines = line.bottom;  // an empty message keeps one line's height
  }
  // Rounded up: at a resolution that does not divide an inch (a screen too small for
  // the window lowers it) the label must not come back a pixel short.
  const int pixels = std::max<int>(bounds.bottom, lines);
  return (pixels * kTwipsPerInch + ScreenDpi() - 1) / ScreenDpi();
}

void msgFrm::ShowCheckBox(CheckBox& box, const std::string& text, const TwipsRect& place) {
  if (text.empty()) return;
  box.SetBackColor(backColour_);
  box.MoveTwips(place);
  box.SetCaption(text);
  box.SetVisible(true);
}

void msgFrm::FitWindowToPage(Page page, int pageHeightTwips) {
  const int width = ScreenTwipsToPixels(kBalloonWidthTwips);
  const int pageHeight = ScreenTwipsToPixels(pageHeightTwips);
  F1(page).MovePixels({kPageLeftPx, kPageTopPx, width - kPageNarrowerPx, pageHeight});
  const int height = page == kAutoPage ? kPageTopPx + pageHeight + kBelowAutoPagePx : pageHeight + kBelowModalPagePx;
  const PixelRect outer = OuterPixelBounds();
  MovePixels({outer.left, outer.top, width, height});
}

// ---- The three services ----

int msgFrm::msg_Box(const std::string& mPrompt, uint32_t mFlags, const std::string& mCaption, bool NoPointer,
                    const std::string& CheckboxTxt, const std::string& Btn1, const std::string& Btn2,
                    const std::string& Btn3, COLORREF mColor, int X, int Y, int16_t Inty) {
  const int lightness = ClampShadowLightness(Inty);
  BeginCall(kMessagePage, mCaption, mPrompt, mColor, lightness);
  if (!hWnd()) return 0;
  const int pageWidth = PageWidthTwips();
  const MessagePageLayout layout =
      LayoutMessagePage(pageWidth, MessageHeightTwips(kMessagePage, pageWidth - kMessageNarrower));
  lblmsg.MoveTwips(layout.message);
  ShowCheckBox(Check1, CheckboxTxt, layout.checkBox);
  FitWindowToPage(kMessagePage, layout.pageHeight);

  DrawBalloon(NoPointer, X, Y, lightness);
  SetupButtons(mFlags, Btn1, Btn2, Btn3);
  SetDisplayIcon(kMessagePage, mFlags);
  SetDefaultButton(mFlags);
  ShowModal();

  int result = resultCode_;
  if (Check1.Value() == kChecked) result += kCheckedBonus;
  Unload();
  return result;
}

std::string msgFrm::input_box(const std::string& mPrompt, uint32_t mFlags, const std::string& mCaption,
                              const std::string& DefaultText, bool NoPointer, const std::string& CheckboxTxt,
                              COLORREF mColor, int X, int Y, int16_t Inty) {
  const int lightness = ClampShadowLightness(Inty);
  BeginCall(kInputPage, mCaption, mPrompt, mColor, lightness);
  if (!hWnd()) return {};
  const int pageWidth = PageWidthTwips();
  const InputPageLayout layout =
      LayoutInputPage(pageWidth, MessageHeightTwips(kInputPage, pageWidth - kMessageNarrower));
  iMsg.MoveTwips(layout.message);
  iTxt.SetText(DefaultText);
  iTxt.MoveTwips(layout.textBox);
  iCmd(1).MoveTwips(layout.ok);
  iCmd(0).MoveTwips(layout.cancel);
  // Enter confirms and Escape cancels, as in the system's own boxes.
  iCmd(1).SetDefault(true);
  iCmd(0).SetCancel(true);
  ShowCheckBox(Check2, CheckboxTxt, layout.checkBox);
  FitWindowToPage(kInputPage, layout.pageHeight);

  DrawBalloon(NoPointer, X, Y, lightness);
  SetDisplayIcon(kInputPage, mFlags);
  ShowModal();

  std::string text = iTxt.Text();
  if (Check2.Value() == kChecked) text += NotSign();
  Unload();
  return confirmed_ ? text : std::string();
}

std::string msgFrm::MsgAuto_box(const std::string& mPrompt, uint32_t mFlags, const std::string& mCaption,
                                int16_t nTime, bool NoPointer, COLORREF mColor, int X, int Y, int16_t Inty) {
  const int lightness = ClampShadowLightness(Inty);
  BeginCall(kAutoPage, mCaption, mPrompt, mColor, lightness);
  if (!hWnd()) return {};
  const int pageWidth = PageWidthTwips();
  const AutoPageLayout layout = LayoutAutoPage(pageWidth, MessageHeightTwips(kAutoPage, pageWidth - kMessageNarrower));
  aMsg.MoveTwips(layout.message);
  command1.MoveTwips(layout.closeImage);
  FitWindowToPage(kAutoPage, layout.pageHeight);

  DrawBalloon(NoPointer, X, Y, lightness);
  SetDisplayIcon(kAutoPage, mFlags);
  DrawCloseTile(kTileCloseNormal);
  // A notice does not take the keyboard from what the user is doing.
  ShowWindow(hWnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(hWnd());
  const unsigned interval = AutoCloseIntervalMs(nTime);
  Timer1.SetInterval(interval);
  Timer1.SetEnabled(interval != 0);
  return {};
}

// ---- Buttons, icon and focus ----

void msgFrm::SetupButtons(uint32_t flags, const std::string& btn1, const std::string& btn2, const std::string& btn3) {
  const int pageWidth = pageMessage_.PlacementTwips().width;
  const int top = pageMessage_.PlacementTwips().height - kButtonHeight - 100;
  const std::vector<BalloonButton> buttons = ButtonsForFlags(flags, btn1, btn2, btn3);
  const std::vector<int> lefts = ButtonLefts(static_cast<int>(buttons.size()), pageWidth, kButtonWidth);
  CommandButton* escape = nullptr;
  for (int i = 0; i < 3; ++i) {
    CommandButton& button = cmd1(i);
    const bool shown = i < static_cast<int>(buttons.size()) && !buttons[i].caption.empty();
    const TwipsRect designed = ButtonDesign(i);
    button.MoveTwips({i < static_cast<int>(lefts.size()) ? lefts[i] : designed.left, top, kButtonWidth, kButtonHeight});
    button.SetCaption(shown ? buttons[i].caption : std::string());
    button.SetTag(shown ? std::to_string(buttons[i].code) : std::string());
    button.SetVisible(shown);
    button.SetDefault(false);
    // Escape and closing the box answer "Cancel", or "OK" when that is the only answer.
    if (shown && (buttons[i].code == kResultCancel || (buttons.size() == 1 && buttons[i].code == kResultOk)))
      escape = &button;
  }
  SetCancelButton(escape);
}

void msgFrm::SetDefaultButton(uint32_t flags) {
  if (int button = DefaultButtonForFlags(flags)) defaultButton_ = static_cast<int16_t>(button);
}

void msgFrm::SetDisplayIcon(Page page, uint32_t flags) {
  PictureBox& icon = IconOf(page);
  const int tile = IconTileForFlags(flags);
  const int rightEdge =
      page == kAutoPage ? command1.PlacementTwips().left - 60 : F1(page).PlacementTwips().width - kMessageLeft;
  if (tile) {
    const int size = ScreenTwipsToPixels(kIconPlace.width);
    icon.SetBitmap(ComposeTile(pIcons.Bitmap(), tile, backColour_, size, size));
    icon.SetVisible(true);
  } else {
    icon.SetVisible(false);
  }
  TitleOf(page).MoveTwips(TitlePlace(tile != 0, rightEdge));
}

void msgFrm::DrawCloseTile(int tile) {
  closeTile_ = tile;
  const PixelRect place = command1.PixelBounds();
  command1.SetBitmap(ComposeTile(pIcons.Bitmap(), tile, backColour_, place.width, place.height));
}

void msgFrm::Form_Activate() {
  if (activated_) return;
  activated_ = true;
  // After the activation, which gives the focus to the window itself.
  PostCall([this] {
    if (pageInput_.Visible()) {
      iTxt.SetFocus();
      iTxt.SelectAll();
    } else if (pageMessage_.Visible() && defaultButton_ >= 1 && defaultButton_ <= 3) {
      CommandButton& button = cmd1(defaultButton_ - 1);
      if (!button.Visible()) return;
      button.SetDefault(true);
      button.SetFocus();
    }
  });
}

// ---- Handlers ----

void msgFrm::cmd1_Click(int index) {
  resultCode_ = static_cast<int16_t>(std::atoi(cmd1(index).Tag().c_str()));
  Hide();
}

void msgFrm::iCmd_Click(int index) {
  if (index == 1) {
    if (iTxt.Text().empty()) return;  // nothing to confirm yet
    confirmed_ = true;
  }
  Hide();
}

void msgFrm::OnClose() {
  if (pageAuto_.Visible()) {
    CloseNotice();
  } else if (pageInput_.Visible() && Visible()) {
    iCmd_Click(0);
  } else if (pageMessage_.Visible() && Visible()) {
    // As the system's box: closing answers "Cancel" where there is one, else
    // nothing; but a box without any button could not be left otherwise (0).
    bool anyButton = false;
    cmd1.ForEach([&anyButton](CommandButton& button) { anyButton |= button.Visible(); });
    if (CommandButton* escape = CancelButton())
      cmd1_Click(escape->Index());
    else if (!anyButton)
      Hide();
  } else {
    Form::OnClose();
  }
}

void msgFrm::Timer1_Timer() { CloseNotice(); }

void msgFrm::CloseNotice() {
  Timer1.SetEnabled(false);
  Unload();
}

void msgFrm::command1_MouseMove(const MouseEventArgs& args) {
  if (closeHot_ || (args.button & kLeftButton)) return;
  closeHot_ = true;
  DrawCloseTile(kTileCloseHot);
}

void msgFrm::command1_MouseDown(const MouseEventArgs& args) {
  if (args.button == kLeftButton) DrawCloseTile(kTileClosePressed);
}

void msgFrm::command1_MouseUp(const MouseEventArgs& args) {
  if (args.button == kLeftButton) DrawCloseTile(kTileCloseHot);
}

void msgFrm::command1_Click() { CloseNotice(); }

void msgFrm::AutoPage_MouseMove() {
  if (!closeHot_) return;
  closeHot_ = false;
  DrawCloseTile(kTileCloseNormal);
}

msgFrm& MessageBalloon() {
  static msgFrm balloon;
  return balloon;
}

}  // namespace quorvane
