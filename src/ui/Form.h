// The base of every window of the program that holds controls. A form has a
// name, a caption and a designed size in twips. Load makes its window hidden,
// then its controls, then runs Form_Load; Show, Hide; Unload runs Form_Unload and
// destroys the window. A form can be re-parented into a frame of another window
// (it then becomes a child window there) and keeps a registry of its controls by
// name and index, in the order they were declared.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Control.h"
#include "ui/ScopedGdi.h"
#include "ui/Twips.h"
#include "ui/Window.h"

namespace quorvane {

class CommandButton;
class Timer;
class Menu;
class MenuItem;

enum class FormBorder {
  None,             // no caption and no border (a skinned or hosted window)
  FixedSingle,      // caption, system menu, minimize box, thin border
  Sizable,          // caption, system menu, minimize and maximize boxes, sizing border
  FixedDialog,      // caption and system menu, dialog border
  FixedToolWindow,  // small caption, thin border
};

// The mouse pointer over a form and its controls.
enum class MousePointer { Default, Hourglass };

struct FormOptions {
  FormBorder border = FormBorder::FixedSingle;
  bool showInTaskbar = false;
  bool topMost = false;
};

class Form : public Window, public Container {
 public:
  Form(std::string name, std::string caption, TwipsSize clientSize, FormOptions options = {});
  ~Form() override;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // Makes the window, hidden, then its controls, then runs Form_Load. Nothing
  // when the form is loaded already.
  void Load();
  bool IsLoaded() const { return loaded_; }
  // Loads first when needed, then shows the window (modeless).
  void Show();
  // Shows the form and returns once it is hidden or unloaded; the program's
  // other windows do not take input meanwhile.
  void ShowModal();
  void Hide();
  bool Visible() const;
  // Runs Form_Unload, then destroys the window and its controls' windows. The
  // control objects keep their properties; the hosting ends (a later Load makes
  // a top-level window unless HostIn comes first). Nothing when not loaded.
  void Unload();

  // Makes the form a child window of `parent` at its designed position there
  // (a frame of another window). nullptr makes it a top-level window again.
  void HostIn(HWND parent);
  HWND HostWindow() const { return host_; }

  // Makes the window of a control declared after the form loaded (a new element
  // of a control array). ControlArray::Add does this itself.
  void LoadControl(Control& control);

  const std::vector<Control*>& Controls() const { return controls_; }
  // The form whose window this is, or nullptr (another kind of window, or one of
  // another thread).
  static Form* FromHandle(HWND hwnd);
  Control* FindControl(std::string_view name, int index = kNoIndex) const;

  // Designed position (relative to the screen, or to the host's client area).
  void SetPositionTwips(int left, int top);
  // The client area's size, as designed.
  void SetClientSizeTwips(TwipsSize size);
  // The outer size, border and caption included (the classic Width and Height).
  void SetOuterSizeTwips(TwipsSize size);
  void MovePixels(const PixelRect& outer);
  PixelRect OuterPixelBounds() const;
  SIZE ClientPixelSize() const;
  void CenterOnScreen();

  void SetBackColor(COLORREF color);
  std::optional<COLORREF> BackColor() const { return backColor_; }
  void SetEnabled(bool enabled);
  void SetFocus();

  // The hourglass over the form during long work; Default gives each control its own again.
  void SetMousePointer(MousePointer pointer);
  MousePointer CurrentMousePointer() const { return pointer_; }

  // The buttons that Enter and Escape press (set through CommandButton).
  void SetDefaultButton(CommandButton* button) { defaultButton_ = button; }
  CommandButton* DefaultButton() const { return defaultButton_; }
  void SetCancelButton(CommandButton* button) { cancelButton_ = button; }
  CommandButton* CancelButton() const { return cancelButton_; }
  // Enter and Escape where the focus is inside this form: each presses its
  // button when it has an enabled one, and says whether it did. A form may
  // give Escape a meaning of its own.
  bool PressDefaultButton();
  virtual bool OnEscape();
  // Alt+letter that no control in sight has: true when the form used it.
  virtual bool OnMnemonic(char /*letter*/) { return false; }

  // Shows the menu at the mouse pointer and raises the Click of the chosen item
  // once the menu has closed.
  void PopupMenu(Menu& menu);
  void PopupMenu(Menu& menu, POINT screenPoint);

  // Runs the call on the UI thread once the current handler has returned.
  void PostCall(std::function<void()> call);

  void Refresh();

  // Container
  Form& ContainerForm() override { return *this; }
  HWND ContainerHandle() const override { return hWnd(); }
  Container* OuterContainer() const override { return nullptr; }
  bool ContainerOwnEnabled() const override { return true; }
  HBRUSH ContainerBackBrush() const override { return backBrush_.get(); }
  COLORREF ContainerBackColor() const override;

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  virtual void Form_Activate() {}
  virtual void Form_Resize() {}
  // Draws on the form's background, into an off-screen bitmap.
  virtual void Form_Paint(HDC /*dc*/, const RECT& /*client*/) {}
  virtual void Form_MouseDown(const MouseEventArgs&) {}
  virtual void Form_MouseMove(const MouseEventArgs&) {}
  virtual void Form_MouseUp(const MouseEventArgs&) {}

  // Window
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnClose() override;
  void OnDestroy() override;
  void OnSize(int width, int height) override;
  void OnActivate(bool active) override;
  void OnTimer(UINT_PTR id) override;
  void OnMouseDown(const MouseEventArgs& args) override { Form_MouseDown(args); }
  void OnMouseMove(const MouseEventArgs& args) override { Form_MouseMove(args); }
  void OnMouseUp(const MouseEventArgs& args) override { Form_MouseUp(args); }
  bool OnChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnPaint(HDC dc, const RECT& client) override;
  HBRUSH BackgroundBrush() const override;

 private:
  friend class Control;
  friend class Timer;
  friend class Menu;
  friend class MenuItem;

  void Register(Control& control);
  void Unregister(Control& control);
  void ReapplyEnabledStates();
  void SetToolTip(HWND control, const std::string& text);
  UINT_PTR NextTimerId() { return nextTimerId_++; }
  int NextMenuItemId() { return nextMenuItemId_++; }
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;
  SIZE OuterSizeForClient(SIZE client) const;
  void RunPostedCalls();

  std::string name_;
  std::string caption_;
  FormOptions options_;
  TwipsSize clientSize_;
  std::optional<TwipsSize> outerSize_;
  int left_ = 0;
  int top_ = 0;
  bool loaded_ = false;
  bool unloading_ = false;
  bool destroyingControls_ = false;
  HWND host_ = nullptr;
  std::vector<Control*> controls_;
  int nextControlId_;
  UINT_PTR nextTimerId_;
  int nextMenuItemId_;
  HWND toolTip_ = nullptr;
  std::optional<COLORREF> backColor_;
  ScopedBrush backBrush_;
  MousePointer pointer_ = MousePointer::Default;
  CommandButton* defaultButton_ = nullptr;
  CommandButton* cancelButton_ = nullptr;
  HWND focusWhenInactive_ = nullptr;  // given back when the window is active again
  std::deque<std::function<void()>> postedCalls_;
};

}  // namespace quorvane
