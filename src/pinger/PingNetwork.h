// The steps of a ping that reach the network: the name lookup and the echo,
// which block for up to the time-out and so run off the interface thread, and
// the default gateway, the host of the automatic mode. Tests install their own
// (an echo that takes seconds, a made-up gateway) so nothing leaves loopback.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

  // The dotted address of the machine's default gateway, nothing when there is
  // none (or the system cannot say). Called on the interface thread.
  virtual std::optional<std::string> DefaultGateway() = 0;
};

// The network in force: the system's unless a test installed another.
PingNetwork& CurrentPingNetwork();

// Installs a network for tests; nullptr goes back to the system's.
void SetPingNetwork(PingNetwork* network);

}  // namespace quorvane
