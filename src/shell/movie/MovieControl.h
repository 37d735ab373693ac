// The movie control: the main window's face. It draws the pages of a scene file,
// lets a person press its buttons with the mouse or the keyboard, and reports each
// press as a command event (command text, parameter text) on the UI thread.
// Tab walks its buttons and then leaves for the window's other controls; a
// button's tip shows as its tool-tip.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/movie/MoviePainter.h"
#include "shell/movie/MovieScene.h"
#include "shell/movie/MovieWinEvents.h"
#include "ui/AccessibleServer.h"
#include "ui/Window.h"

namespace quorvane {

class MovieControl : public Window {
 public:
  using CommandEvent = std::function<void(const std::string& command, const std::string& parameter)>;

  // Raised once per button press.
  CommandEvent FSCommand;

  bool Create(HWND parent, int x, int y, int width, int height);

  // Loads a scene file on layer 0 and shows its home page. A missing or damaged
  // file gives the plain built-in face; LoadError() then says why.
  bool LoadMovie(int layer, const std::string& path);

  // "_root.home" = "true" brings the movie back to its home page; any other
  // variable is kept and shown by the texts that name it (docs/movie-format.md).
  void SetVariable(const std::string& name, const std::string& value);
  std::string Variable(const std::string& name) const;

  const std::string& CurrentPage() const { return page_; }
  const MovieScene& Scene() const { return scene_; }
  const std::string& LoadError() const { return loadError_; }
  // True while the face is drawn and waiting: the next paint only copies it.
  bool FaceDrawn() const { return face_.get() != nullptr; }

  // Buttons a person can reach now: the page's, then the shared ones.
  std::vector<const MovieButton*> ActiveButtons() const;
  // Presses the reachable button whose label has that "&" letter; false when none has.
  bool PressMnemonic(char letter);
  // The button the keyboard is on, or -1; an index into ActiveButtons.
  int FocusedButton() const { return focus_; }
  // The tool-tips the buttons have now (their tips, in ActiveButtons order).
  HWND ToolTipWindow() const { return toolTip_; }

  // What a screen reader is told (MovieAccessible.h): what shows, and how.
  // True when no window in front of the movie covers any of the area.
  bool AreaShowing(const MovieRect& area) const;
  bool Reachable(const MovieButton& button) const;
  std::string ShownText(const MovieText& text) const;
  int HoverButton() const { return hover_; }
  int PressedButton() const { return pressed_; }
  // Presses the button as a click does, once the current message is handled,
  // when the index still holds the same button then.
  void PressSoon(int index);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint(HDC dc, const RECT& client) override;
  void OnMouseDown(const MouseEventArgs& args) override;
  void OnMouseMove(const MouseEventArgs& args) override;
  void OnMouseUp(const MouseEventArgs& args) override;

 private:
  int HitTest(int x, int y) const;
  void ShowPage(const std::string& name);
  void Press(int index);
  void MoveFocus(int step);
  // Indexes into ActiveButtons in the order Tab visits them.
  std::vector<int> TabOrder() const;
  // The button Tab reaches from the focused one, or -1 past either end.
  int NextTabStop(int step) const;
  bool TabLeavesMovie(int step) const;
  UINT DialogCode(const MSG* message) const;
  void UpdateToolTips();
  void SetHover(int index);
  void Redraw();
  // Draws the page with its buttons at rest into the kept bitmap, compatible with dc.
  void DrawFace(HDC dc);

  MovieScene scene_ = PlainMovieScene();  // until LoadMovie lays a scene out for the screen
  std::string page_ = "home";
  std::string loadError_;
  MoviePainter painter_;
  MoviePainter::Variables variables_;
  ScopedBitmap face_;  // the page with its buttons at rest, as large as the control
  SIZE faceSize_{0, 0};
  int hover_ = -1;
  int pressed_ = -1;
  int focus_ = -1;
  bool showFocus_ = false;  // the focus ring appears once the keyboard is used
  bool trackingLeave_ = false;
  HWND toolTip_ = nullptr;
  int toolCount_ = 0;
  AccessibleServer accessible_;
  MovieWinEvents winEvents_;
};

}  // namespace quorvane
