// Lets the window system handle what waits in this thread's queue while the
// program is busy in a long call (a ping, freeing memory), so its windows stay
// painted and its timers keep running. Not re-entrancy safe by design: a
// handler run from here may itself start another long call.
#pragma once

namespace quorvane {

// Dispatches every message now waiting in this thread's queue and returns once
// it is empty. A quit request is put back for the main loop and ends the round.
void DoEvents();

// Up to that many rounds in a row, each picking up what the handlers of the
// previous one posted; ends early at a round that found the queue empty.
void DoEvents(int rounds);

}  // namespace quorvane
