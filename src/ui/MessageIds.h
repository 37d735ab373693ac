// The program's own window message numbers, in one place so that no two parts of
// the program pick the same one.
#pragma once

#include <windows.h>

namespace quorvane {

// Runs a queued call on the UI thread once the current handler has returned
// (Form::PostCall); wParam and lParam are unused.
inline constexpr UINT kMsgRunPostedCalls = WM_APP + 1;

// A screen reader's default action, done once its call has returned (it must
// not wait on what the action opens); wParam and lParam are the window's own.
inline constexpr UINT kMsgAccessibleAction = WM_APP + 2;

// First number free for later windows of the program.
inline constexpr UINT kMsgFirstFree = WM_APP + 16;

}  // namespace quorvane
