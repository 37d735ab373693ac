#include <doctest.h>

#include "pinger/DottedAddress.h"
#include "pinger/EchoReply.h"

using namespace quorvane;

TEST_CASE("DottedAddressToLong puts the first part in the lowest byte") {
  CHECK(DottedAddressToLong("1.2.3.4") == 0x04030201);
  CHECK(DottedAddressToLong("127.0.0.1") == 0x0100007F);
  CHECK(DottedAddressToLong("192.168.0.1") == 0x0100A8C0);
  // a signed 32-bit result: a high last part makes it negative
  CHECK(DottedAddressToLong("255.255.255.255") == -1);
  CHECK(DottedAddressToLong("0.0.0.128") == INT32_MIN);
}

TEST_CASE("DottedAddressToLong keeps its lenient rules") {
  // fewer than four parts give address 0, without looking at the parts
  CHECK(DottedAddressToLong("1.2.3") == 0);
  CHECK(DottedAddressToLong("localhost") == 0);
  CHECK(DottedAddressToLong("") == 0);
  // a part above 255 keeps its low 8 bits
  CHECK(DottedAddressToLong("1.2.3.260") == 0x04030201);
  CHECK(DottedAddressToLong("1.2.3.4") == DottedAddressToLong("257.258.259.260"));
  // blanks around a part are allowed
  CHECK(DottedAddressToLong(" 10 . 0.0. 2 ") == 0x0200000A);
  // what cannot be converted at all
  CHECK_FALSE(DottedAddressToLong("1.2.3.4.5").has_value());
  CHECK_FALSE(DottedAddressToLong("1.x.3.4").has_value());
  CHECK_FALSE(DottedAddressToLong("1..3.4").has_value());
  CHECK_FALSE(DottedAddressToLong("1.2.3.-4").has_value());
  CHECK_FALSE(DottedAddressToLong("1.2.3.99999999999").has_value());
}

TEST_CASE("a host is a dotted address only when every part is a whole number") {
  CHECK(LooksLikeDottedAddress("192.168.0.1"));
  CHECK(LooksLikeDottedAddress("1.2.3"));
  CHECK(LooksLikeDottedAddress("1.2.3.4.5"));
  CHECK(LooksLikeDottedAddress("1.2.3.260"));
  // a first label of digits does not make a name an address
  CHECK_FALSE(LooksLikeDottedAddress("123.example.com"));
  CHECK_FALSE(LooksLikeDottedAddress("127.0.0.0x1"));
  CHECK_FALSE(LooksLikeDottedAddress("www.example.com"));
  CHECK_FALSE(LooksLikeDottedAddress("localhost"));
  CHECK_FALSE(LooksLikeDottedAddress("12345"));
  CHECK_FALSE(LooksLikeDottedAddress("1..2.3"));
  CHECK_FALSE(LooksLikeDottedAddress("1.2.3."));
  CHECK_FALSE(LooksLikeDottedAddress("1.2.3.+4"));
}

TEST_CASE("only a complete dotted address is echoed to") {
  auto quad = ParseDottedQuad("192.168.0.1");
  REQUIRE(quad.has_value());
  CHECK((*quad)[0] == 192);
  CHECK((*quad)[3] == 1);
  CHECK(ParseDottedQuad("0.0.0.0").has_value());
  CHECK(ParseDottedQuad("255.255.255.255").has_value());
  CHECK((*ParseDottedQuad("010.001.0.9"))[0] == 10);  // decimal, not octal

  CHECK_FALSE(ParseDottedQuad("1.2.3").has_value());
  CHECK_FALSE(ParseDottedQuad("1.2.3.260").has_value());
  CHECK_FALSE(ParseDottedQuad("256.0.0.1").has_value());
  CHECK_FALSE(ParseDottedQuad("1.2.3.4.5").has_value());
  CHECK_FALSE(ParseDottedQuad("1.2.3.").has_value());
  CHECK_FALSE(ParseDottedQuad(" 1.2.3.4").has_value());
  CHECK_FALSE(ParseDottedQuad("1.2.3.99999999999999999999").has_value());
}

TEST_CASE("host text is trimmed of blanks and addresses are written as dotted text") {
  CHECK(TrimHostText("  \t127.0.0.1 \t") == "127.0.0.1");
  CHECK(TrimHostText("   ").empty());
  CHECK(TrimHostText("my host") == "my host");

  const unsigned char loopback[] = {127, 0, 0, 1};
  CHECK(AddressBytesToText(loopback, 4) == "127.0.0.1");
  const unsigned char high[] = {255, 10, 200, 0};
  CHECK(AddressBytesToText(high, 4) == "255.10.200.0");
}

TEST_CASE("an echo without a reply never reads as success") {
  CHECK(StatusOfFailedEcho(11010) == 11010);  // IP_REQ_TIMED_OUT
  CHECK(StatusOfFailedEcho(11003) == 11003);  // IP_DEST_HOST_UNREACHABLE
  CHECK(StatusOfFailedEcho(0) == kIpGeneralFailure);
  CHECK(StatusOfFailedEcho(87) == kIpGeneralFailure);  // ERROR_INVALID_PARAMETER
  CHECK(StatusOfFailedEcho(1214) == kIpGeneralFailure);
  CHECK(StatusOfFailedEcho(11000) == kIpGeneralFailure);  // IP_SUCCESS in disguise
}
