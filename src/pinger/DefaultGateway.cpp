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

using GetNetworkParamsFunction = DWORD(WINAPI*)(PFIXED_INFO info, PULONG size);
using GetIpAddrTableFunction = DWORD(WINAPI*)(PMIB_IPADDRTABLE table, PULONG size, BOOL order);

// Calls a sizing function of iphlpapi until its buffer is large enough.
template <typename Call>
std::vector<char> SizedBuffer(Call call) {
  ULONG size = 1024;
  std::vector<char> buffer(size);
  for (int attempt = 0; attempt < 3; ++attempt) {
    const DWORD status = call(buffer.data(), &size);
    if (status == NO_ERROR) return buffer;
    if (status != ERROR_BUFFER_OVERFLOW && status != ERROR_INSUFFICIENT_BUFFER) break;
    buffer.assign(size, 0);
  }
  return {};
}

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

std::vector<std::string> FindNameServers() {
  static const auto getNetworkParams = LibraryFunction<GetNetworkParamsFunction>("iphlpapi.dll", "GetNetworkParams");
  std::vector<std::string> servers;
  if (!getNetworkParams) return servers;
  const std::vector<char> buffer = SizedBuffer([](char* data, ULONG* size) {
    return getNetworkParams(reinterpret_cast<PFIXED_INFO>(data), size);
  });
  if (buffer.empty()) return servers;
  const auto* info = reinterpret_cast<const FIXED_INFO*>(buffer.data());
  for (const IP_ADDR_STRING* entry = &info->DnsServerList; entry; entry = entry->Next)
    if (entry->IpAddress.String[0]) servers.emplace_back(entry->IpAddress.String);
  return servers;
}

std::vector<std::string> FindLocalAddresses() {
  static const auto getIpAddrTable = LibraryFunction<GetIpAddrTableFunction>("iphlpapi.dll", "GetIpAddrTable");
  std::vector<std::string> addresses;
  if (!getIpAddrTable) return addresses;
  const std::vector<char> buffer = SizedBuffer([](char* data, ULONG* size) {
    return getIpAddrTable(reinterpret_cast<PMIB_IPADDRTABLE>(data), size, FALSE);
  });
  if (buffer.empty()) return addresses;
  const auto* table = reinterpret_cast<const MIB_IPADDRTABLE*>(buffer.data());
  for (DWORD i = 0; i < table->dwNumEntries; ++i) {
    const DWORD address = table->table[i].dwAddr;
    if (address == 0) continue;
    unsigned char bytes[4];
    memcpy(bytes, &address, sizeof bytes);
    addresses.push_back(AddressBytesToText(bytes, 4));
  }
  return addresses;
}

}  // namespace quorvane
