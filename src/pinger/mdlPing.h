// One ICMP echo to a host given as a dotted IPv4 address or as a host name:
// the traffic that keeps an idle dial-up or broadband line from being dropped.
// Each ping stands alone: Windows Sockets is started, the name resolved, one
// echo sent and everything closed again. All calls block the calling
// (user-interface) thread; pending window messages are handled in rounds
// before and after each blocking step.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pinger/DottedAddress.h"
#include "pinger/EchoReply.h"
#include "pinger/WindowsSockets.h"

namespace quorvane {

// Message rounds around each blocking step of a ping.
inline constexpr int kPingMessageRounds = 3;

// True when an echo reply with status 0 came back within the time-out. False,
// without a message, for an empty host, a malformed dotted address (nothing is
// sent then), an unknown name, a time-out or an unreachable host. Only a
// Windows Sockets start-up or clean-up failure shows a message.
bool PingHost(const std::string& host, uint32_t timeoutMs);

// Sends one echo of EchoPayload to a dotted address and fills the reply. The
// round-trip time in milliseconds when a reply came, otherwise minus the
// reply's status. An address DottedAddressToLong cannot convert is not sent
// to (status kIpBadDestination).
int32_t SendEchoRequest(const std::string& address, EchoReply& reply, uint32_t timeoutMs);

// The host's addresses as dotted text, in the order the name service gives
// them; empty when the name is unknown or Windows Sockets cannot start.
std::vector<std::string> ResolveHostAddresses(const std::string& hostName);

}  // namespace quorvane
