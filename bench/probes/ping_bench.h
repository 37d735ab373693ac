#pragma once

namespace quorvane::probes {

// PingHost to 127.0.0.1 against a bare IcmpSendEcho loop on one open handle;
// prints both and their ratio. False when an echo failed.
bool RunPingBench(int rounds, int pingsPerRound);

}  // namespace quorvane::probes
