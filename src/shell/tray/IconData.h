// The notification record the tray control sends to the shell: the ANSI
// NOTIFYICONDATA of shell32 5.0, 488 bytes on 32-bit Windows, built field by field.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace quorvane {

// Natural alignment gives the shell's own layout on both 32 and 64 bits.
struct IconDataRecord {
  uint32_t cbSize;
  HWND hWnd;
  uint32_t uID;
  uint32_t uFlags;
  uint32_t uCallbackMessage;
  HICON hIcon;
  char szTip[128];
  uint32_t dwState;
  uint32_t dwStateMask;
  char szInfo[256];
  uint32_t uTimeout;
  char szInfoTitle[64];
  uint32_t dwInfoFlags;
};

static_assert(sizeof(void*) != 4 || sizeof(IconDataRecord) == 488, "the 32-bit record is 488 bytes");

// Flags and messages of the record (shellapi.h names, spelt out for the record's fields).
constexpr uint32_t kTrayIconId = 1;
constexpr uint32_t kTrayCallbackMessage = WM_MOUSEMOVE;
constexpr uint32_t kNifMessageIconTip = 0x7;   // NIF_MESSAGE | NIF_ICON | NIF_TIP
constexpr uint32_t kNifWithInfo = 0x17;        // ... | NIF_INFO
constexpr uint32_t kNiifInfo = 1;

// Copies text into a fixed-width field, left-aligned, padded with blanks to the full width.
void FillTextField(char* field, size_t width, const std::string& text);

// The text cut to fit with its terminator in a field of that width.
std::string TerminatedText(const std::string& text, size_t width);

// The tip text: " tooltip " and a terminator, or only the terminator for an empty
// tooltip; cut to 127 characters so the terminator always fits.
std::string TipText(const std::string& toolTip);

// Fills the fields that show or refresh the icon: size, window, identifier, flags
// 7, callback message, icon and tip. The other fields keep what they held.
void SetIconFields(IconDataRecord& record, HWND window, HICON icon, const std::string& toolTip);

// The same with the information balloon: flags 0x17, state and mask 0, the balloon
// text, time-out 1, its title and the information icon.
void SetBalloonFields(IconDataRecord& record, HWND window, HICON icon, const std::string& toolTip,
                      const std::string& balloonTitle, const std::string& balloonText);

}  // namespace quorvane
