// The UI thread's message loop, with keyboard navigation between controls (Tab,
// arrow keys in option groups, Enter and Escape), and DoEvents, which handles
// the messages waiting now and returns.
#pragma once

namespace quorvane {

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Handles every message waiting in the thread's queue, then returns. A WM_QUIT
// met on the way is put back for the outer loop.
void DoEvents();

}  // namespace quorvane
