// The UI thread's message loop, with keyboard navigation between controls (Tab,
// arrow keys in option groups, Enter and Escape), and DoEvents, which handles
// the messages waiting now and returns.
#pragma once

namespace quorvane {

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Handles every message waiting in the thread's queue, then returns, so windows
// stay painted and timers run while the program is busy in a long call. A
// WM_QUIT met on the way is put back for the outer loop and ends the round.
void DoEvents();

// Up to that many rounds in a row, each picking up what the handlers of the
// previous one posted; ends early at a round that found the queue empty.
void DoEvents(int rounds);

}  // namespace quorvane
