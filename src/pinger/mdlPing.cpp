#include "pinger/mdlPing.h"

#include <winsock.h>

#include "pinger/IcmpApi.h"
#include "pinger/OffInterfaceThread.h"
#include "pinger/PingNetwork.h"
#include "pinger/WindowsSockets.h"
#include "ui/MessageLoop.h"

namespace quorvane {

namespace {

// The destination to echo, or nothing when the host cannot be pinged. A
// dotted address has to be a complete one: "1.2.3" would otherwise go to
// 0.0.0.0 and "1.2.3.260" to 1.2.3.4, a host the user did not name. Anything
// else, a single label included, is a name and its first address is used.
// Blocks on a name lookup: runs on the worker thread.
std::optional<std::string> DestinationFor(const std::string& host) {
  if (LooksLikeDottedAddress(host)) {
    if (!ParseDottedQuad(host)) return std::nullopt;
    return host;
  }
  std::vector<std::string> addresses = CurrentPingNetwork().LookUpHost(host);
  if (addresses.empty() || !ParseDottedQuad(addresses.front())) return std::nullopt;
  return addresses.front();
}

// The lookup and the echo, on the worker thread.
PingResult LookUpAndEcho(const std::string& host, uint32_t timeoutMs) {
  PingResult result;
  std::optional<std::string> destination = DestinationFor(host);
  if (!destination) {
    result.outcome = PingOutcome::HostNotFound;
    return result;
  }
  result.address = *destination;
  EchoReply reply;
  const int32_t roundTrip = CurrentPingNetwork().SendEcho(*destination, reply, timeoutMs);
  result.outcome = reply.Status == kIpSuccess ? PingOutcome::Reply : PingOutcome::NoReply;
  if (result.outcome == PingOutcome::Reply && roundTrip > 0) result.roundTripMs = static_cast<uint32_t>(roundTrip);
  return result;
}

}  // namespace

bool PingHost(const std::string& host, uint32_t timeoutMs) {
  return PingHostWithResult(host, timeoutMs).outcome == PingOutcome::Reply;
}

PingResult PingHostWithResult(const std::string& host, uint32_t timeoutMs) {
  PingResult result;
  const std::string target = TrimHostText(host);
  DoEvents(kPingMessageRounds);
  if (target.empty()) {
    result.outcome = PingOutcome::HostNotFound;
    return result;
  }
  // Start-up and clean-up stay here: their failures are told to the user.
  if (!SocketsStartup()) return result;
  RunOffInterfaceThread([&] { result = LookUpAndEcho(target, timeoutMs); });
  SocketsCleanup();
  return result;
}

int32_t SendEchoRequest(const std::string& address, EchoReply& reply, uint32_t timeoutMs) {
  reply = EchoReply{};
  std::optional<int32_t> destination = DottedAddressToLong(address);
  if (!destination) {
    reply.Status = kIpBadDestination;
    return -static_cast<int32_t>(reply.Status);
  }
  const IcmpApi* icmp = GetIcmpApi();
  HANDLE handle = icmp ? icmp->IcmpCreateFile() : INVALID_HANDLE_VALUE;
  if (handle == INVALID_HANDLE_VALUE) {
    reply.Status = kIpGeneralFailure;
    return -static_cast<int32_t>(reply.Status);
  }

  char payload[kEchoPayloadSize];
  memcpy(payload, EchoPayload, kEchoPayloadSize);
  DWORD replies = icmp->IcmpSendEcho(handle, static_cast<ULONG>(*destination), payload, kEchoPayloadSize,
                                     nullptr, &reply, kEchoReplySize, timeoutMs);
  DWORD lastError = GetLastError();
  icmp->IcmpCloseHandle(handle);

  if (replies != 0) return static_cast<int32_t>(reply.RoundTripTime);
  reply.Status = StatusOfFailedEcho(lastError);
  return -static_cast<int32_t>(reply.Status);
}

std::vector<std::string> LookUpHostAddresses(const std::string& hostName) {
  std::vector<std::string> addresses;
  const SocketsApi* sockets = GetSocketsApi();
  const hostent* host = sockets ? sockets->gethostbyname(hostName.c_str()) : nullptr;
  // The record belongs to the sockets layer of this thread: copy it out at once.
  if (host && host->h_addr_list) {
    for (char** entry = host->h_addr_list; *entry; ++entry)
      addresses.push_back(AddressBytesToText(reinterpret_cast<const unsigned char*>(*entry), host->h_length));
  }
  return addresses;
}

std::vector<std::string> ResolveHostAddresses(const std::string& hostName) {
  if (!SocketsStartup()) return {};
  std::vector<std::string> addresses = LookUpHostAddresses(hostName);
  SocketsCleanup();
  return addresses;
}

}  // namespace quorvane
