// The host automatic mode pings: one across the link the provider watches, never
// this machine itself (a dial-up line reports the machine's own address as the
// default route's next hop, and such an echo is answered without crossing it).
// Pure, no <windows.h>.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

enum class AutomaticHostKind { NameServer, Gateway };

struct AutomaticHost {
  std::string address;
  AutomaticHostKind kind;

  bool operator==(const AutomaticHost&) const = default;
};

// The first name server that is neither a loopback address nor one of this
// machine's; else the default route's next hop when it is not one of this
// machine's; else nothing. Addresses are dotted text; malformed ones and 0.0.0.0
// are passed over.
std::optional<AutomaticHost> ChooseAutomaticHost(const std::vector<std::string>& nameServers,
                                                 const std::optional<std::string>& nextHop,
                                                 const std::vector<std::string>& localAddresses);

// What the status line calls it: "Automatic: 203.0.113.53, your name server".
std::string AutomaticHostLabel(const AutomaticHost& host);

// The status line when there is nothing to ping.
inline constexpr const char* kNoAutomaticHostText =
    "Automatic: no name server or gateway beyond this machine, nothing pinged";

}  // namespace quorvane
