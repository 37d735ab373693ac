// The keys that move about a window without the mouse, for a main window that
// is no dialog and hosts forms inside it: Tab and the arrows go through every
// visible form in the window (the dialog manager's walk), Enter presses the
// focused button (or the form's default one), Escape asks the forms from the
// focus outwards, and Alt+letter presses the control of that "&" letter.
#pragma once

#include <windows.h>

namespace quorvane {

// True when the message was one of those keys and has been handled.
bool HandledAsDialogKey(MSG& message);

// The first control Tab reaches inside the window, or nullptr.
HWND FirstTabStopIn(HWND window);

// When the keyboard is on the window (or inside it), moves it back to the control
// before it: a window about to be disabled or hidden would take the focus with it
// and leave the keys going nowhere.
void MoveFocusAwayFrom(HWND window);

}  // namespace quorvane
