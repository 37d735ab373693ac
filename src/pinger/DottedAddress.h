// How the pinger reads the host a user typed: a dotted IPv4 address or a host
// name. Pure text rules, no <windows.h>.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The host text without leading and trailing blanks (spaces and tabs).
std::string TrimHostText(std::string_view host);

// True when the text contains a "." and every dot-separated part is a whole
// number (decimal digits only). Such a text is an address and is never looked
// up; anything else with a "." ("123.example.com") is a host name.
bool LooksLikeDottedAddress(std::string_view host);

// The four numbers of a well-formed dotted address: exactly four parts, each a
// whole number from 0 to 255. Nothing for "1.2.3", "1.2.3.260", "1.2.3.4.5".
std::optional<std::array<uint8_t, 4>> ParseDottedQuad(std::string_view host);

// What the pinger accepts as a host: a dotted IPv4 address (ParseDottedQuad), or
// a host name of at most 253 letters, digits, hyphens and dots whose dot-separated
// labels are 1 to 63 characters, neither beginning nor ending with a hyphen. A
// text of digits and dots only must be an address ("192.0.2.1127.0.0.1" is not).
bool IsPingHostText(std::string_view host);

// The lenient conversion: the address as a signed 32-bit number with the first
// part in the lowest byte (network byte order). 0 when the text has fewer than
// four parts; each part keeps only its low 8 bits (1.2.3.260 is 1.2.3.4).
// Nothing when the text cannot be converted at all: a fifth part, or a part
// that is not a number (blanks around a part are allowed).
std::optional<int32_t> DottedAddressToLong(std::string_view address);

// "a.b.c.d" for the bytes of an address in network byte order.
std::string AddressBytesToText(const unsigned char* bytes, int length);

}  // namespace quorvane
