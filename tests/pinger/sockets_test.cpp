#include <doctest.h>

#include <windows.h>

#include "pinger/WindowsSockets.h"
#include "support/RecordingEffects.h"

using namespace quorvane;

TEST_CASE("Windows Sockets start-up checks show the standard messages") {
  testing::RecordingEffects effects;

  CHECK(AcceptSocketsStartup(0, 0x0101, 32767));
  CHECK(AcceptSocketsStartup(0, 0x0202, 1));
  CHECK(AcceptSocketsStartup(0, 0x0002, 1));  // 2.0
  CHECK(effects.messageBoxes.empty());

  CHECK_FALSE(AcceptSocketsStartup(10091, 0x0101, 32767));  // WSASYSNOTREADY
  REQUIRE(effects.messageBoxes.size() == 1);
  CHECK(effects.messageBoxes[0].text ==
        "Windows Sockets for 32 bit Windows environments is not successfully responding.");
  CHECK(effects.messageBoxes[0].caption == "Quorvane");
  CHECK(effects.messageBoxes[0].style == MB_OK);

  CHECK_FALSE(AcceptSocketsStartup(0, 0x0001, 32767));  // 1.0: low byte major, high byte minor
  CHECK_FALSE(AcceptSocketsStartup(0, 0x0100, 32767));  // 0.1
  REQUIRE(effects.messageBoxes.size() == 3);
  CHECK(effects.messageBoxes[1].text ==
        "Windows Sockets Version 1.0 is not supported by Windows Sockets for 32 bit Windows environments.");
  CHECK(effects.messageBoxes[2].text ==
        "Windows Sockets Version 0.1 is not supported by Windows Sockets for 32 bit Windows environments.");
  CHECK(effects.messageBoxes[1].style == (MB_OK | MB_ICONWARNING));

  CHECK_FALSE(AcceptSocketsStartup(0, 0x0101, 0));
  REQUIRE(effects.messageBoxes.size() == 4);
  CHECK(effects.messageBoxes[3].text == "This application requires a minimum of 1 supported sockets.");
  CHECK(effects.messageBoxes[3].style == (MB_OK | MB_ICONWARNING));
  CHECK(effects.messageBoxes[3].caption == "Quorvane");
}

TEST_CASE("start-up and clean-up pair up, and an unmatched clean-up is reported") {
  testing::RecordingEffects effects;
  REQUIRE(SocketsStartup());
  REQUIRE(SocketsStartup());  // nested, as around a name lookup
  SocketsCleanup();
  SocketsCleanup();
  CHECK(effects.messageBoxes.empty());

  SocketsCleanup();  // nothing left to clean up
  REQUIRE(effects.messageBoxes.size() == 1);
  CHECK(effects.messageBoxes[0].text == "Windows Sockets error -1 occurred in Cleanup.");
  CHECK(effects.messageBoxes[0].caption == "Quorvane");
  CHECK(effects.messageBoxes[0].style == (MB_OK | MB_ICONWARNING));
}
