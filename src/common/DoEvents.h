// Lets the window system handle what waits in this thread's queue while the
// program is busy in a long call (a ping, freeing memory), so its windows stay
// painted and its timers keep running. Not re-entrancy safe by design: a
// handler run from here may itself start another long call.
#pragma once

namespace quorvane {

// Dispatches every message now waiting in this thread's queue and returns once
// it is empty. A quit request is put back for the main loop and ends the round.
void DoEvents();

// Several rounds in a row: each may pick up what the previous one caused.
void DoEvents(int rounds);

}  // namespace quorvane
