// The machine's default gateway: on a dial-up line the provider's end of it,
// so an echo there crosses the line that has to stay up.
#pragma once

#include <optional>
#include <string>

namespace quorvane {

// The next hop of the best route toward a public address, as dotted text;
// nothing when the route leads to no gateway or the system lacks the routing
// functions (iphlpapi is looked up at run time: Windows 95 has none).
std::optional<std::string> FindDefaultGateway();

}  // namespace quorvane
