// What the system says about the way out: the default route's next hop, the
// name servers and this machine's own addresses (iphlpapi, looked up at run
// time: Windows 95 has none, and then every answer is empty). Asked only; nothing
// is sent anywhere.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// The next hop of the best route toward a public address, as dotted text;
// nothing when the route leads to no gateway or the system lacks the routing
// functions (iphlpapi is looked up at run time: Windows 95 has none).
std::optional<std::string> FindDefaultGateway();

// The name servers of GetNetworkParams, in its order.
std::vector<std::string> FindNameServers();

// The addresses of GetIpAddrTable, 0.0.0.0 left out.
std::vector<std::string> FindLocalAddresses();

}  // namespace quorvane
