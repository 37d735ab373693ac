// The flags of the balloon message box: the standard message-box values for the
// button set, the icon and the button that takes the focus.
#pragma once

#include <cstdint>

namespace quorvane::MsgBoxFlags {

// Button sets (flags & kButtonsMask).
inline constexpr uint32_t kOkOnly = 0;
inline constexpr uint32_t kOkCancel = 1;
inline constexpr uint32_t kAbortRetryIgnore = 2;
inline constexpr uint32_t kYesNoCancel = 3;
inline constexpr uint32_t kYesNo = 4;
inline constexpr uint32_t kRetryCancel = 5;
inline constexpr uint32_t kCustomButtons = 6;  // the texts Btn1, Btn2, Btn3
inline constexpr uint32_t kButtonsMask = 7;

// Icons (flags & kIconMask).
inline constexpr uint32_t kNoIcon = 0;
inline constexpr uint32_t kCritical = 16;
inline constexpr uint32_t kQuestion = 32;
inline constexpr uint32_t kExclamation = 48;
inline constexpr uint32_t kInformation = 64;
inline constexpr uint32_t kIconDone = 80;     // tile 5: a green tick
inline constexpr uint32_t kIconClock = 96;    // tile 6: a clock
inline constexpr uint32_t kIconNetwork = 112; // tile 7: a globe
inline constexpr uint32_t kIconMask = 0x70;

// The button that has the focus when the box shows (flags & kDefaultMask).
inline constexpr uint32_t kDefaultButton1 = 0;
inline constexpr uint32_t kDefaultButton2 = 256;
inline constexpr uint32_t kDefaultButton3 = 512;
inline constexpr uint32_t kNoDefaultButton = 768;
inline constexpr uint32_t kDefaultMask = 0x300;

}  // namespace quorvane::MsgBoxFlags
