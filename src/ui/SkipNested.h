// A tick that comes while the previous one still runs (its handler handled
// pending messages) is skipped rather than nested.
#pragma once

namespace quorvane {

template <typename Call>
void RunUnlessRunning(bool& running, Call&& call) {
  if (running) return;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{running};
  running = true;
  call();
}

}  // namespace quorvane
