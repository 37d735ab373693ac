// One ICMP echo to a host given as a dotted IPv4 address or as a host name:
// the traffic that keeps an idle dial-up or broadband line from being dropped.
// Each ping stands alone: Windows Sockets is started, the name resolved, one
// echo sent and everything closed again. PingHost returns when the echo is
// done, but its blocking steps (the name lookup and the echo) run on a worker
// thread while the calling (user-interface) thread keeps handling its window
// messages; messages to the user are shown on the calling thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pinger/DottedAddress.h"
#include "pinger/EchoReply.h"
#include "pinger/WindowsSockets.h"

namespace quorvane {

// Message rounds before a ping starts Windows Sockets.
inline constexpr int kPingMessageRounds = 3;

enum class PingOutcome {
  Reply,         // an echo reply with status 0
  NoReply,       // sent, but no reply within the time-out (or an error status)
  HostNotFound,  // an empty host, a malformed address or an unknown name: nothing sent
  NotStarted,    // Windows Sockets is not usable (the user was told)
};

struct PingResult {
  PingOutcome outcome = PingOutcome::NotStarted;
  std::string address;       // the dotted address echoed; empty when nothing was sent
  uint32_t roundTripMs = 0;  // with a reply
};

// True when an echo reply with status 0 came back within the time-out. False,
// without a message, for an empty host, a malformed dotted address (nothing is
// sent then), an unknown name, a time-out or an unreachable host. Only a
// Windows Sockets start-up or clean-up failure shows a message.
// The handlers of messages handled meanwhile may start another ping.
bool PingHost(const std::string& host, uint32_t timeoutMs);

// PingHost, saying what happened.
PingResult PingHostWithResult(const std::string& host, uint32_t timeoutMs);

// Sends one echo of EchoPayload to a dotted address and fills the reply. The
// round-trip time in milliseconds when a reply came, otherwise minus the
// reply's status. An address DottedAddressToLong cannot convert is not sent
// to (status kIpBadDestination).
int32_t SendEchoRequest(const std::string& address, EchoReply& reply, uint32_t timeoutMs);

// The host's addresses as dotted text, in the order the name service gives
// them; empty when the name is unknown or Windows Sockets cannot start.
std::vector<std::string> ResolveHostAddresses(const std::string& hostName);

// The lookup alone, in an already started Windows Sockets; blocks, so it is
// fit for a worker thread (it shows nothing).
std::vector<std::string> LookUpHostAddresses(const std::string& hostName);

}  // namespace quorvane
