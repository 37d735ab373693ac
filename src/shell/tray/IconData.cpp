#include "shell/tray/IconData.h"

#include <algorithm>
#include <cstring>

namespace quorvane {

void FillTextField(char* field, size_t width, const std::string& text) {
  std::memset(field, ' ', width);
  std::memcpy(field, text.data(), std::min(width, text.size()));
}

std::string TerminatedText(const std::string& text, size_t width) {
  return text.substr(0, width - 1) + '\0';
}

std::string TipText(const std::string& toolTip) {
  std::string tip = toolTip.empty() ? std::string() : " " + toolTip + " ";
  if (tip.size() > 127) tip.resize(127);
  return tip + '\0';
}

void SetIconFields(IconDataRecord& record, HWND window, HICON icon, const std::string& toolTip) {
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kTrayIconId;
  record.uFlags = kNifMessageIconTip;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  FillTextField(record.szTip, sizeof record.szTip, TipText(toolTip));
}

void SetBalloonFields(IconDataRecord& record, HWND window, HICON icon, const std::string& toolTip,
                      const std::string& balloonTitle, const std::string& balloonText) {
  SetIconFields(record, window, icon, toolTip);
  record.uFlags = kNifWithInfo;
  record.dwState = 0;
  record.dwStateMask = 0;
  // Terminated before the blank padding, as the tip is: the shell would otherwise
  // take the blanks for text and stretch the balloon across the screen.
  FillTextField(record.szInfo, sizeof record.szInfo, TerminatedText(balloonText, sizeof record.szInfo));
  record.uTimeout = 1;
  FillTextField(record.szInfoTitle, sizeof record.szInfoTitle, TerminatedText(balloonTitle, sizeof record.szInfoTitle));
  record.dwInfoFlags = kNiifInfo;
}

}  // namespace quorvane
