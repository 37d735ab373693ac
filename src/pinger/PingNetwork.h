// The steps of a ping that reach the network: the name lookup and the echo,
// which block for up to the time-out and so run off the interface thread, and
// what automatic mode chooses its host from (the name servers, the default
// route's next hop, this machine's addresses). Tests install their own (an echo
// that takes seconds, made-up name servers and routes) so nothing leaves loopback.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pinger/AutomaticHost.h"
#include "pinger/EchoReply.h"

namespace quorvane {

class PingNetwork {
 public:
  virtual ~PingNetwork() = default;

  // The host's addresses as dotted text, in the name service's order; empty when
  // unknown. Windows Sockets is started already. Called on a worker thread.
  virtual std::vector<std::string> LookUpHost(const std::string& name) = 0;

  // One echo to a well-formed dotted address, as SendEchoRequest. Called on a
  // worker thread.
  virtual int32_t SendEcho(const std::string& address, EchoReply& reply, uint32_t timeoutMs) = 0;

  // The name servers Windows was given, first first, as dotted text. Called on
  // the interface thread, as are the two below.
  virtual std::vector<std::string> NameServers() = 0;

  // The next hop of the default route, nothing when there is none (or the system
  // cannot say).
  virtual std::optional<std::string> DefaultRouteNextHop() = 0;

  // This machine's own IPv4 addresses.
  virtual std::vector<std::string> LocalAddresses() = 0;
};

// The network in force: the system's unless a test installed another.
PingNetwork& CurrentPingNetwork();

// Installs a network for tests; nullptr goes back to the system's.
void SetPingNetwork(PingNetwork* network);

// What automatic mode pings now, chosen from the network in force; nothing when
// there is no host beyond this machine.
std::optional<AutomaticHost> FindAutomaticHost();

}  // namespace quorvane
