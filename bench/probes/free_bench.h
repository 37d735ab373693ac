#pragma once

namespace quorvane::probes {

// FreeUpMemory of a count of megabytes against claiming, memset-ing and
// releasing the same 2 x count megabytes; prints both and their ratio. False
// when FreeUpMemory did not free the whole amount.
bool RunFreeBench(int rounds, int megabytes);

}  // namespace quorvane::probes
