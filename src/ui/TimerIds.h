// Window timer identifiers, in one place.
#pragma once

#include <windows.h>

namespace quorvane {

// Timer controls of a form are numbered from here, in the order they were made;
// each form numbers its own, as they live on the form's window.
inline constexpr UINT_PTR kFirstTimerControlId = 100;

// Timers set directly on a window, not through a timer control, take ids below
// kFirstTimerControlId and are listed here.

}  // namespace quorvane
