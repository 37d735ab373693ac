// The record an ICMP echo answer lands in, and what is sent. Laid out as the
// platform's ICMP_ECHO_REPLY followed by a fixed area for the echoed data.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvane {

// Sent as 9 bytes of text, without a terminating zero.
inline constexpr char EchoPayload[] = "Echo This";
inline constexpr uint16_t kEchoPayloadSize = sizeof EchoPayload - 1;

struct EchoReply {
  uint32_t Address = 0;        // replying address
  uint32_t Status = 0;         // IP status; 0 is success
  uint32_t RoundTripTime = 0;  // milliseconds
  uint16_t DataSize = 0;
  uint16_t Reserved = 0;
  void* DataPointer = nullptr;
  struct {
    uint8_t Ttl = 0;
    uint8_t Tos = 0;
    uint8_t Flags = 0;
    uint8_t OptionsSize = 0;
    uint8_t* OptionsData = nullptr;
  } Options;
  char Data[250] = {};
};

// What the platform may fill: the header and the data area, 278 bytes on 32-bit
// Windows (the record itself is padded to a multiple of 4).
inline constexpr uint32_t kEchoReplySize = offsetof(EchoReply, Data) + sizeof(EchoReply::Data);
static_assert(sizeof(void*) != 4 || kEchoReplySize == 278, "the 32-bit reply buffer is 278 bytes");

// IP status values of the platform (ipexport.h) the pinger itself reports.
inline constexpr uint32_t kIpSuccess = 0;
inline constexpr uint32_t kIpStatusBase = 11000;
inline constexpr uint32_t kIpBadDestination = 11018;
inline constexpr uint32_t kIpGeneralFailure = 11050;

// The status to record when the echo call reported no reply. The platform
// leaves the reply record untouched then and puts the reason (time-out,
// unreachable) in the last-error value; a reason outside the IP status range
// becomes a general failure, so a lost echo never reads as status 0.
inline uint32_t StatusOfFailedEcho(unsigned long lastError) {
  if (lastError > kIpStatusBase && lastError <= kIpGeneralFailure) return static_cast<uint32_t>(lastError);
  return kIpGeneralFailure;
}

}  // namespace quorvane
