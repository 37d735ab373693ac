// The base of every control on a form. A control is declared as a member of its
// form with its design-time properties (name, container, place in twips, caption,
// value); its window is made when the form loads, and properties set before that
// are applied then. Every control knows its name, its index in a control array,
// its kind and its container.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "ui/Event.h"
#include "ui/Fonts.h"
#include "ui/ScopedGdi.h"
#include "ui/Twips.h"
#include "ui/Window.h"

namespace quorvane {

class Form;

enum class ControlKind {
  CommandButton,
  CheckBox,
  OptionButton,
  TextBox,
  Label,
  SkinLabel,  // a label drawn in the skin's "Label" look
  Frame,
  ComboBox,
  ListView,
  Slider,
  UpDown,
  PictureBox,
  Timer,
  Menu,
  MenuItem,
  Custom,  // controls that later parts of the program build on this layer
};

// "CommandButton", "CheckBox", ...
const char* ControlKindName(ControlKind kind);

inline constexpr int kNoIndex = -1;

// A control's name and, for an element of a control array, its index.
struct ControlName {
  ControlName(const char* controlName) : name(controlName) {}
  ControlName(std::string controlName, int controlIndex = kNoIndex)
      : name(std::move(controlName)), index(controlIndex) {}
  std::string name;
  int index = kNoIndex;
};

// What holds controls: a form or a frame. Option buttons form one group per
// container, and a disabled container disables everything inside it.
class Container {
 public:
  virtual ~Container() = default;
  virtual Form& ContainerForm() = 0;
  virtual HWND ContainerHandle() const = 0;
  virtual Container* OuterContainer() const = 0;  // nullptr for the form itself
  virtual bool ContainerOwnEnabled() const = 0;
  // The colour that labels, check boxes and option buttons inside take as their
  // background unless they have their own; nullptr for the system's face colour.
  virtual HBRUSH ContainerBackBrush() const = 0;
  virtual COLORREF ContainerBackColor() const = 0;

  bool ContainerEffectivelyEnabled() const;
  // True when this container is `other` or lies inside it.
  bool IsWithin(const Container& other) const;
};

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  bool InArray() const { return index_ != kNoIndex; }
  ControlKind Kind() const { return kind_; }
  // "optMode(3)" for an array element, else the name.
  std::string DisplayName() const;
  Form& OwnerForm() const { return form_; }
  Container* Parent() const { return container_; }
  // The control's window; nullptr before the form loads, after it unloads, and
  // for controls without a window (timers, menus).
  HWND hWnd() const { return hwnd_; }

  const std::string& Tag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }

  // The control's own Enabled; its window is enabled only when every container
  // around it is enabled too.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool EffectivelyEnabled() const;

  // The control's own Visible; it shows only while its containers show.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Place relative to the container's client area.
  const TwipsRect& PlacementTwips() const { return place_; }
  void MoveTwips(const TwipsRect& place);
  void MovePixels(const PixelRect& place);
  // The window's current place in pixels (the designed place before it exists).
  PixelRect PixelBounds() const;

  // Z-order among the container's controls ("bring to front").
  void BringToFront();
  void SendToBack();

  void SetFocus();
  bool HasFocus() const;

  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(std::string text);

  // Colours; without them the control draws in the system's colours, and
  // labels, check boxes and option buttons take their container's background.
  void SetBackColor(COLORREF color);
  void SetForeColor(COLORREF color);
  std::optional<COLORREF> BackColor() const { return backColor_; }
  std::optional<COLORREF> ForeColor() const { return foreColor_; }

  void SetFont(const FontChoice& choice);
  HFONT Font() const { return font_; }

  // Redraws the control now.
  void Refresh();

  Event<const MouseEventArgs&> MouseDown;
  Event<const MouseEventArgs&> MouseMove;
  Event<const MouseEventArgs&> MouseUp;

  // Sends a control message (for what this layer does not wrap).
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  // Dispatches a notification that reached a container window (WM_COMMAND,
  // WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR*) to the control it came from.
  static bool RouteChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // The control that owns a window of this layer, or nullptr.
  static Control* FromHandle(HWND hwnd);

 protected:
  // A control with a window, inside a container.
  Control(Container& container, ControlKind kind, ControlName name, const TwipsRect& place);
  // A control without a window (timer, menu), on the form.
  Control(Form& form, ControlKind kind, ControlName name);

  // Makes the control's window as a child of `parent`; called by the form once
  // the container's window exists. Overrides call MakeChildWindow or AdoptWindow.
  virtual void CreateControlWindow(HWND parent, int id) = 0;
  // Runs once the window exists and the common properties are applied: the
  // control puts its own design-time values into the window here.
  virtual void AfterCreate() {}
  // The window is gone (form unloaded, or container destroyed).
  virtual void AfterDestroy() {}

  // A system control window (BUTTON, EDIT, ...), subclassed so that this object
  // sees its messages. Adds WS_CHILD, WS_CLIPSIBLINGS and the visibility. The
  // window takes the designed place unless another is given.
  HWND MakeChildWindow(const char* className, const std::string& text, DWORD style, DWORD exStyle, HWND parent,
                       int id, const PixelRect* place = nullptr);
  // A window of this program's own (frame, picture) that routes through this control.
  void AdoptWindow(HWND hwnd);
  // Called by an adopted window when it is destroyed.
  void ReleaseWindow();

  // Notifications from the control's window, routed by its container.
  virtual bool OnCommand(UINT /*code*/) { return false; }
  virtual bool OnNotify(NMHDR* /*header*/, LRESULT* /*result*/) { return false; }
  virtual void OnScroll(int /*code*/) {}
  virtual HBRUSH OnCtlColor(HDC dc, UINT message);
  // Messages to the control's own window: before its procedure runs (true with
  // *result set to swallow the message) and after.
  virtual bool BeforeOwnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT* /*result*/) { return false; }
  virtual void AfterOwnMessage(UINT /*message*/, WPARAM, LPARAM) {}
  // The list view reports its own mouse releases (its procedure swallows them).
  virtual bool ReportsMouseUpItself() const { return false; }
  // Containers re-apply the enabled state of everything inside when theirs changes.
  virtual bool IsContainer() const { return false; }
  // After Enabled changed (timers start or stop here).
  virtual void OnEnabledChanged() {}

  // Puts the effective enabled state into the window.
  void ApplyEnabledState();
  // Raises a mouse event from a message of the control's own window.
  void RaiseMouseEvent(UINT message, WPARAM wParam, LPARAM lParam);

  bool Created() const { return hwnd_ != nullptr; }
  HBRUSH OwnBackBrush() const { return backBrush_.get(); }

 private:
  friend class Form;
  static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Called by the form when the container's window exists.
  void Create(int id);
  void DestroyControlWindow();

  Form& form_;
  Container* container_;
  ControlKind kind_;
  std::string name_;
  int index_;
  HWND hwnd_ = nullptr;
  WNDPROC originalProcedure_ = nullptr;

  std::string tag_;
  bool enabled_ = true;
  bool visible_ = true;
  TwipsRect place_;
  std::optional<PixelRect> pixelPlace_;  // set when the code placed it in pixels
  std::string toolTip_;
  std::optional<COLORREF> backColor_;
  std::optional<COLORREF> foreColor_;
  ScopedBrush backBrush_;
  HFONT font_;
};

}  // namespace quorvane
