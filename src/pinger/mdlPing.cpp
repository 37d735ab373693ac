#include "pinger/mdlPing.h"

#include <winsock.h>

#include "pinger/IcmpApi.h"
#include "ui/MessageLoop.h"

namespace quorvane {

namespace {

// The destination to echo, or nothing when the host cannot be pinged. A
// dotted address has to be a complete one: "1.2.3" would otherwise go to
// 0.0.0.0 and "1.2.3.260" to 1.2.3.4, a host the user did not name. Anything
// else, a single label included, is a name and its first address is used.
std::optional<std::string> DestinationFor(const std::string& host) {
  if (LooksLikeDottedAddress(host)) {
    if (!ParseDottedQuad(host)) return std::nullopt;
    return host;
  }
  std::vector<std::string> addresses = ResolveHostAddresses(host);
  if (addresses.empty() || !ParseDottedQuad(addresses.front())) return std::nullopt;
  return addresses.front();
}

}  // namespace

bool PingHost(const std::string& host, uint32_t timeoutMs) {
  std::string target = TrimHostText(host);
  if (target.empty()) return false;

  DoEvents(kPingMessageRounds);
  bool started = SocketsStartup();
  DoEvents(kPingMessageRounds);
  if (!started) return false;

  bool answered = false;
  if (std::optional<std::string> destination = DestinationFor(target)) {
    EchoReply reply;
    SendEchoRequest(*destination, reply, timeoutMs);
    answered = reply.Status == kIpSuccess;
  }
  SocketsCleanup();
  return answered;
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
  DoEvents(kPingMessageRounds);
  DWORD replies = icmp->IcmpSendEcho(handle, static_cast<ULONG>(*destination), payload, kEchoPayloadSize,
                                 nullptr, &reply, kEchoReplySize, timeoutMs);
  DWORD lastError = GetLastError();
  DoEvents(kPingMessageRounds);
  icmp->IcmpCloseHandle(handle);

  if (replies != 0) return static_cast<int32_t>(reply.RoundTripTime);
  reply.Status = StatusOfFailedEcho(lastError);
  return -static_cast<int32_t>(reply.Status);
}

std::vector<std::string> ResolveHostAddresses(const std::string& hostName) {
  std::vector<std::string> addresses;
  if (!SocketsStartup()) return addresses;

  DoEvents(kPingMessageRounds);
  const hostent* host = gethostbyname(hostName.c_str());
  // The record belongs to the sockets layer of this thread: copy it out before
  // anything else (a message handler) can make another lookup.
  if (host && host->h_addr_list) {
    for (char** entry = host->h_addr_list; *entry; ++entry)
      addresses.push_back(AddressBytesToText(reinterpret_cast<const unsigned char*>(*entry), host->h_length));
  }
  DoEvents(kPingMessageRounds);

  SocketsCleanup();
  return addresses;
}

}  // namespace quorvane
