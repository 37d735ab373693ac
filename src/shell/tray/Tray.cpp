#include "shell/tray/Tray.h"

#include <shellapi.h>

#include <cstdlib>

#include "ui/CommonControls.h"
#include "ui/TimerIds.h"

namespace quorvane {

bool Tray::Create(HWND container) {
  CreateParams params;
  params.className = "QuorvaneTray";
  params.style = WS_CHILD;
  params.width = params.height = kSize;
  params.parent = container;
  return CreateHandle(params);
}

void Tray::Send(DWORD action) {
  Shell_NotifyIconA(action, reinterpret_cast<NOTIFYICONDATAA*>(&record_));  // the result is not checked
}

void Tray::Show(bool upDateData) {
  if (upDateData) {
    SetIconFields(record_, hWnd(), icon_, toolTip_);
    Send(visible_ ? NIM_MODIFY : NIM_ADD);
    visible_ = true;
  } else if (visible_) {
    Send(NIM_DELETE);
    visible_ = false;
  }
}

void Tray::showBalloonoolTip(bool upDateData) {
  if (!upDateData) return;
  SetBalloonFields(record_, hWnd(), icon_, toolTip_, kBalloonTitle, balloon_);
  Send(NIM_MODIFY);
}

void Tray::AddAgain() {
  if (!visible_) return;
  SetIconFields(record_, hWnd(), icon_, toolTip_);
  Send(NIM_ADD);
}

void Tray::SetTrayImage(HICON icon) {
  convertedIcon_.reset();
  icon_ = icon;
  changed_.insert("TrayImage");
}

void Tray::SetTrayImage(HBITMAP bitmap) {
  if (!bitmap) {
    SetTrayImage(static_cast<HICON>(nullptr));
    return;
  }
  HICON icon = IconFromBitmap(bitmap, 32);
  convertedIcon_.reset(icon);
  icon_ = icon;
  changed_.insert("TrayImage");
}

void Tray::SetTrayToolTip(const std::string& text) {
  toolTip_ = text;
  changed_.insert("TrayToolTip");
}

void Tray::SetTrayBalloonToolTip(const std::string& text) {
  balloon_ = text;
  changed_.insert("BalloonTip");
}

void Tray::SetEventMode(int mode) {
  eventMode_ = mode > 1 ? 1 : mode < 0 ? 0 : mode;
  changed_.insert("EventMode");
}

void Tray::ReadProperties(const PropertyBag& bag) {
  auto read = [&bag](const char* key, const std::string& fallback) {
    auto found = bag.find(key);
    return found == bag.end() ? fallback : found->second;
  };
  toolTip_ = read("TrayToolTip", kDefaultToolTip);
  balloon_ = read("BalloonTip", kDefaultBalloon);
  int mode = std::atoi(read("EventMode", "0").c_str());
  eventMode_ = mode > 1 ? 1 : mode < 0 ? 0 : mode;
}

void Tray::WriteProperties(PropertyBag& bag) const {
  bag["TrayToolTip"] = toolTip_;
  bag["EventMode"] = std::to_string(eventMode_);
  bag["BalloonTip"] = balloon_;
}

void Tray::OnNotification(UINT mouseMessage) {
  if (clickBusy_) return;
  int button = 0;
  if (mouseMessage == WM_LBUTTONDOWN) button = 1;
  else if (mouseMessage == WM_RBUTTONDOWN) button = 2;
  else return;
  // The guard is set before the event: a handler that pumps messages must not
  // see a second click of the same press.
  clickBusy_ = true;
  if (hWnd()) SetTimer(hWnd(), kTrayClickGuardTimer, kClickGuardMs, nullptr);
  if (eventMode_ == 1) {
    if (MouseClick) MouseClick(button);
  } else if (button == 1) {
    if (LeftClick) LeftClick();
  } else if (RightClick) {
    RightClick();
  }
}

void Tray::Timer1_Timer() {
  if (hWnd()) KillTimer(hWnd(), kTrayClickGuardTimer);
  clickBusy_ = false;
}

LRESULT Tray::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:  // the shell's callback: the mouse message rides in lParam
      OnNotification(static_cast<UINT>(lParam));
      return 0;
    case WM_TIMER:
      if (wParam == kTrayClickGuardTimer) Timer1_Timer();
      return 0;
    case WM_WINDOWPOSCHANGING: {
      auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
      position->cx = position->cy = kSize;  // always 36 x 36
      return 0;
    }
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace quorvane
