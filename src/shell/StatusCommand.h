// quorvane.exe /status: every value the optimizer manages on this Windows, what it
// holds now and what this Windows does with it. Reads only.
#pragma once

#include "shell/CommandLine.h"

namespace quorvane {

// Prints the values key by key; always kExitSuccess.
int PrintStatus(CommandOutput& out);

}  // namespace quorvane
