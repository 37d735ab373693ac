// The tray control: one icon in the notification area with its tooltip and an
// information balloon, turning the shell's mouse notifications into click events.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <string>

#include "shell/tray/IconData.h"
#include "ui/ScopedGdi.h"
#include "ui/Window.h"

namespace quorvane {

// Saved properties of a control by key, as its container stores them.
using PropertyBag = std::map<std::string, std::string>;

class Tray : public Window {
 public:
  static constexpr const char* kDefaultToolTip = "Program notification";
  static constexpr const char* kDefaultBalloon = "The program is still running here.";
  static constexpr const char* kBalloonTitle = "Program notification";
  static constexpr int kSize = 36;
  static constexpr UINT kClickGuardMs = 15;

  // Events: LeftClick and RightClick in event mode 0, MouseClick(1 or 2) in mode 1.
  std::function<void()> LeftClick;
  std::function<void()> RightClick;
  std::function<void(int& button)> MouseClick;

  // The control's own window, a hidden 36 x 36 child of the container.
  bool Create(HWND container);

  // True: add the icon, or refresh it when shown. False: remove it when shown.
  void Show(bool upDateData);
  // Shows the balloon on the icon already added (True); False does nothing. Its
  // title is always kBalloonTitle: the tool-tip changes with what it reports.
  void showBalloonoolTip(bool upDateData);
  // The shell restarted (Explorer ended and came back) and forgot the icon: adds
  // it again, with its current tool-tip, when it was shown.
  void AddAgain();

  // An icon is used as it is; a bitmap becomes a 32 x 32 icon; nullptr clears.
  void SetTrayImage(HICON icon);
  void SetTrayImage(HBITMAP bitmap);
  HICON TrayImage() const { return icon_; }

  void SetTrayToolTip(const std::string& text);
  const std::string& TrayToolTip() const { return toolTip_; }
  void SetTrayBalloonToolTip(const std::string& text);
  const std::string& TrayBalloonToolTip() const { return balloon_; }
  // Values above 1 become 1, below 0 become 0.
  void SetEventMode(int mode);
  int EventMode() const { return eventMode_; }

  bool IsVisible() const { return visible_; }
  bool ClickBusy() const { return clickBusy_; }
  const IconDataRecord& IconData() const { return record_; }

  // The saved properties: "TrayToolTip", "EventMode", "BalloonTip" ("TrayImage"
  // is the picture itself and is kept by the container).
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;
  const std::set<std::string>& ChangedProperties() const { return changed_; }

  // The shell's notification, as it arrives at the control's window; and the
  // guard timer's tick. Public so the main window's tests can drive them.
  void OnNotification(UINT mouseMessage);
  void Timer1_Timer();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Send(DWORD action);

  std::string toolTip_ = kDefaultToolTip;
  std::string balloon_ = kDefaultBalloon;
  int eventMode_ = 0;
  HICON icon_ = nullptr;
  ScopedIcon convertedIcon_;  // owned when made from a bitmap
  bool visible_ = false;
  bool clickBusy_ = false;
  IconDataRecord record_{};
  std::set<std::string> changed_;
};

}  // namespace quorvane
