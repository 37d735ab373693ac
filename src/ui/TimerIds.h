// Window timer identifiers, in one place.
#pragma once

#include <windows.h>

namespace quorvane {

// Timer controls of a form are numbered from here, in the order they were made;
// each form numbers its own, as they live on the form's window.
inline constexpr UINT_PTR kFirstTimerControlId = 100;

// Timers set directly on a window, not through a timer control, take ids below
// kFirstTimerControlId and are listed here.

// The tray control's guard against a second click while one is handled.
inline constexpr UINT_PTR kTrayClickGuardTimer = 1;

}  // namespace quorvane
