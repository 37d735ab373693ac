// The balloon-shaped message window: a rounded body with a thin dark rim, a
// soft shadow taken from the screen beneath, and a pointer whose tip points at
// a place on the screen. It serves as a modal message box with up to three
// buttons and a check box (msg_Box), a modal input box (input_box), and a
// notice that stays above every window and closes itself (MsgAuto_box).
//
// Each call loads the window when it is not loaded; the modal boxes unload it
// when they return, the notice when it closes. A notice shown again while it is
// open reuses the window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "dialogs/BalloonGeometry.h"
#include "dialogs/BalloonShadow.h"
#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"

namespace quorvane {

class msgFrm : public Form {
 public:
  msgFrm();

  // Shows the message modally; returns the pressed button's code (OK 1,
  // Cancel 2, Abort 3, Retry 4, Ignore 5, Yes 6, No 7, a custom button its
  // position 1 to 3), plus 100 when the check box was ticked. X or Y 0 anchors
  // the pointer at the mouse; mColor 0 is pale yellow; Inty 0..75 lightens the shadow.
  int msg_Box(const std::string& mPrompt, uint32_t mFlags, const std::string& mCaption, bool NoPointer,
              const std::string& CheckboxTxt, const std::string& Btn1, const std::string& Btn2,
              const std::string& Btn3, COLORREF mColor, int X, int Y, int16_t Inty);

  // Asks for a text modally; returns it (DefaultText to begin with) with the
  // system code page's "¬" appended when the check box was ticked, or "" when
  // cancelled. "OK" does nothing while the text is empty. mFlags chooses the icon.
  std::string input_box(const std::string& mPrompt, uint32_t mFlags, const std::string& mCaption,
                        const std::string& DefaultText, bool NoPointer, const std::string& CheckboxTxt,
                        COLORREF mColor, int X, int Y, int16_t Inty);

  // Shows the notice above every window and returns "" at once; it closes
  // after nTime seconds (0: when its close image is clicked).
  std::string MsgAuto_box(const std::string& mPrompt, uint32_t mFlags, const std::string& mCaption, int16_t nTime,
                          bool NoPointer, COLORREF mColor, int X, int Y, int16_t Inty);

  // What the window shows now, for the program's checks.
  PointerStyle CurrentPointerStyle() const { return pointerStyle_; }
  int CloseImageTile() const { return closeTile_; }
  // The shadow's lightness kept for redrawing it after a move ("" until a call gives one).
  const std::string& Tag() const { return tag_; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void Form_Activate() override;
  void Form_Paint(HDC dc, const RECT& client) override;
  void Form_MouseDown(const MouseEventArgs& args) override;
  void OnClose() override;

 private:
  enum Page : int { kMessagePage = 0, kInputPage = 1, kAutoPage = 2 };

  // Every call starts from the designed layout, also on a notice that is open.
  void BeginCall(Page page, const std::string& caption, const std::string& prompt, COLORREF colour, int lightness);
  int PageWidthTwips() const;
  Label& TitleOf(Page page);
  Label& MessageOf(Page page);
  PictureBox& IconOf(Page page);
  // The message label's height in twips for its text at the given width.
  int MessageHeightTwips(Page page, int widthTwips);
  // Places the page and sizes the window to it (pixels).
  void FitWindowToPage(Page page, int pageHeightTwips);
  // The page's check box with its text, when the caller gave one.
  void ShowCheckBox(CheckBox& box, const std::string& text, const TwipsRect& place);

  void SetupButtons(uint32_t flags, const std::string& btn1, const std::string& btn2, const std::string& btn3);
  void SetDefaultButton(uint32_t flags);
  void SetDisplayIcon(Page page, uint32_t flags);
  void DrawCloseTile(int tile);

  // msgFrmBalloon.cpp: the shape, the shadow and moving the window.
  void DrawBalloon(bool noPointer, int x, int y, int lightness);
  void n_RefreshShadow(int lightness);
  void TakeShadowFrom(const RECT& screenRect, int lightness);
  void DragBalloon();
  void DragOnMove(const MouseEventArgs& args);

  void cmd1_Click(int index);
  void iCmd_Click(int index);
  void Timer1_Timer();
  void command1_MouseMove(const MouseEventArgs& args);
  void command1_MouseDown(const MouseEventArgs& args);
  void command1_MouseUp(const MouseEventArgs& args);
  void command1_Click();
  void AutoPage_MouseMove();
  void CloseNotice();

  // The pages, one shown per call.
  ControlArray<Frame> F1{"F1"};
  Frame& pageMessage_;
  Frame& pageInput_;
  Frame& pageAuto_;

  Label LblTitle;
  Label lblmsg;
  PictureBox P1;
  CheckBox Check1;
  ControlArray<CommandButton> cmd1{"cmd1"};

  Label iTitle;
  Label iMsg;
  PictureBox iPic;
  TextBox iTxt;
  CheckBox Check2;
  ControlArray<CommandButton> iCmd{"iCmd"};

  Label aTitle;
  Label aMsg;
  PictureBox aPic;
  PictureBox command1;

  PictureBox pIcons;  // hidden: the icon strip
  Timer Timer1;

  int16_t resultCode_ = 0;
  int16_t defaultButton_ = 0;
  bool confirmed_ = false;  // the input box's "OK" took its text
  bool activated_ = false;  // the call's first activation has placed the focus
  COLORREF backColour_ = kDefaultBalloonColour;
  std::string tag_;
  PointerStyle pointerStyle_ = kNoPointer;
  int closeTile_ = 0;
  bool closeHot_ = false;
  bool dragging_ = false;
  ScreenPatch beneath_;     // the screen under the window's place
  DibSection shadowImage_;  // the shadow painted from it
};

// The program's one balloon window.
msgFrm& MessageBalloon();

}  // namespace quorvane
