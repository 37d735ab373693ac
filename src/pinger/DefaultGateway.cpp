#include "pinger/DefaultGateway.h"

#include <windows.h>
#include <iphlpapi.h>

#include "pinger/DottedAddress.h"
#include "system/LazyLibrary.h"

namespace quorvane {

namespace {

using GetBestRouteFunction = DWORD(WINAPI*)(DWORD destination, DWORD source, PMIB_IPFORWARDROW route);

// The route toward an address of the documentation range (203.0.113.1): no
// local network holds it, so the answer is the default route. Only the
// routing table is asked; nothing is sent there.
constexpr unsigned char kFarAddress[4] = {203, 0, 113, 1};

GetBestRouteFunction LoadGetBestRoute() {
  static GetBestRouteFunction function = LibraryFunction<GetBestRouteFunction>("iphlpapi.dll", "GetBestRoute");
  return function;
}

}  // namespace

std::optional<std::string> FindDefaultGateway() {
  GetBestRouteFunction getBestRoute = LoadGetBestRoute();
  if (!getBestRoute) return std::nullopt;
  DWORD destination;
  memcpy(&destination, kFarAddress, sizeof destination);
  MIB_IPFORWARDROW route{};
  if (getBestRoute(destination, 0, &route) != NO_ERROR) return std::nullopt;
  // A next hop of 0 or the destination itself is a route on the link: no gateway.
  const DWORD nextHop = route.dwForwardNextHop;
  if (nextHop == 0 || nextHop == destination) return std::nullopt;
  unsigned char bytes[4];
  memcpy(bytes, &nextHop, sizeof bytes);
  return AddressBytesToText(bytes, 4);
}

}  // namespace quorvane
