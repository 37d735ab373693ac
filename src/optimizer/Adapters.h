// The network adapters (9x: NetTrans subkeys) or interfaces (NT: Interfaces subkeys)
// that receive the MTU and MSS values, in the order the registry lists them.
#pragma once

#include <string>
#include <vector>

#include "optimizer/RegistryLayout.h"

namespace quorvane {

// Empty when the parent key cannot be opened or has no subkeys.
std::vector<std::string> EnumerateAdapters(Layout layout);

}  // namespace quorvane
