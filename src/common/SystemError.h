// Text of a Windows error code, for messages a person reads.
#pragma once

#include <string>

namespace quorvane {

// The system's description of the code, without the trailing line break
// ("Access denied."), or "Error N." when the system has none.
std::string SystemErrorText(unsigned long code);

}  // namespace quorvane
