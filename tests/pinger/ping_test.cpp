// Echoes go only to the loopback network. Names are "localhost" (the hosts
// file) or under the reserved .invalid domain, so no lookup reaches for a
// real host.
#include <doctest.h>

#include <winsock.h>

#include <cstdio>
#include <cstring>
#include <optional>

#include "message_window.h"
#include "pinger/DefaultGateway.h"
#include "pinger/OffInterfaceThread.h"
#include "pinger/mdlPing.h"
#include "support/RecordingEffects.h"
#include "ui/MessageLoop.h"

using namespace quorvane;

namespace {

constexpr uint32_t kTimeout = 10000;

// Windows Sockets counts start-ups; after a balanced run a clean-up fails.
bool SocketsLeftStarted() {
  if (WSACleanup() == 0) {
    while (WSACleanup() == 0) {
    }
    return true;
  }
  return false;
}

}  // namespace

TEST_CASE("a real echo to the loopback address comes back") {
  testing::RecordingEffects effects;
  CHECK(PingHost("127.0.0.1", kTimeout));
  CHECK(PingHost("  127.0.0.1\t", kTimeout));
  CHECK(PingHost("127.0.0.2", kTimeout));  // all of 127/8 answers
  CHECK(effects.messageBoxes.empty());
  CHECK_FALSE(SocketsLeftStarted());
}

TEST_CASE("the echo carries the 9-byte payload and fills the reply record") {
  testing::RecordingEffects effects;
  REQUIRE(SocketsStartup());
  EchoReply reply;
  int32_t result = SendEchoRequest("127.0.0.1", reply, kTimeout);
  SocketsCleanup();
  CHECK(result >= 0);
  CHECK(result == static_cast<int32_t>(reply.RoundTripTime));
  CHECK(reply.Status == kIpSuccess);
  CHECK(reply.Address == 0x0100007Fu);
  CHECK(reply.DataSize == 9);
  REQUIRE(reply.DataPointer != nullptr);
  CHECK(std::memcmp(reply.DataPointer, "Echo This", 9) == 0);
  CHECK(effects.messageBoxes.empty());
}

TEST_CASE("an address the conversion rejects is not sent to") {
  EchoReply reply;
  reply.Status = 0;
  CHECK(SendEchoRequest("127.0.0.1.5", reply, kTimeout) == -static_cast<int32_t>(kIpBadDestination));
  CHECK(reply.Status == kIpBadDestination);
  CHECK(SendEchoRequest("127.x.0.1", reply, kTimeout) < 0);
  CHECK(reply.Status != kIpSuccess);
}

TEST_CASE("host names are resolved and their first address is pinged") {
  testing::RecordingEffects effects;
  std::vector<std::string> addresses = ResolveHostAddresses("localhost");
  REQUIRE_FALSE(addresses.empty());
  CHECK(addresses.front() == "127.0.0.1");

  // a single label is resolved like any name
  CHECK(PingHost("localhost", kTimeout));

  CHECK(ResolveHostAddresses("no-such-host.invalid").empty());
  CHECK(effects.messageBoxes.empty());
  CHECK_FALSE(SocketsLeftStarted());
}

TEST_CASE("hosts that cannot be pinged give false without a message") {
  testing::RecordingEffects effects;
  const char* hosts[] = {
      "",
      "   ",
      "\t",
      "no-such-host.invalid",
      "123.invalid",   // first label a number: still a name, and an unknown one
      "127.0.1",       // too few parts: would go to 0.0.0.0
      "127.0.0.257",   // a part above 255: would go to 127.0.0.1, not the host named
      "127.0.0.1.5",   // five parts
      "127..0.1",
  };
  for (const char* host : hosts) {
    CAPTURE(host);
    CHECK_FALSE(PingHost(host, kTimeout));
  }
  CHECK(effects.messageBoxes.empty());
  CHECK_FALSE(SocketsLeftStarted());
}

TEST_CASE("window messages are handled while a ping blocks") {
  testing::CountingWindow window;
  window.Post();
  window.Post();
  CHECK(PingHost("127.0.0.1", kTimeout));
  CHECK(window.received() == 2);

  // also on the paths that end early
  window.Post();
  CHECK_FALSE(PingHost("127.0.0.257", kTimeout));
  CHECK(window.received() == 3);
}

TEST_CASE("message rounds dispatch what waits and leave a quit request for the main loop") {
  testing::CountingWindow window;
  window.Post();
  DoEvents(3);
  CHECK(window.received() == 1);

  PostQuitMessage(7);
  window.Post();
  DoEvents(3);
  MSG message;
  bool quitWaiting = false;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitWaiting = true;
      CHECK(message.wParam == 7);
    } else {
      DispatchMessageA(&message);
    }
  }
  CHECK(quitWaiting);
}

TEST_CASE("the default gateway is the next hop of the host's default route (looked up, never pinged)") {
  // The kernel's routing table through Wine's Z: drive: the line of
  // destination 00000000 holds the gateway as 8 hex digits, in network byte order.
  std::optional<std::string> expected;
  if (FILE* routes = std::fopen("Z:\\proc\\net\\route", "r")) {
    char line[512];
    while (std::fgets(line, sizeof line, routes)) {
      char device[64];
      unsigned destination = 1, gateway = 0, flags = 0;
      if (std::sscanf(line, "%63s %x %x %x", device, &destination, &gateway, &flags) == 4 && destination == 0 &&
          gateway != 0) {
        expected = AddressBytesToText(reinterpret_cast<const unsigned char*>(&gateway), 4);
        break;
      }
    }
    std::fclose(routes);
  }
  // Compared without printing either: the machine's gateway is never shown.
  const bool same = FindDefaultGateway() == expected;
  CHECK(same);
}

namespace {
LONG g_nestedDone = 0;
void CALLBACK RunNested(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  RunOffInterfaceThread([] {
    Sleep(50);
    InterlockedIncrement(&g_nestedDone);
  });
}
}  // namespace

TEST_CASE("work started while other work is under way runs too, on a thread of its own") {
  LONG outerSawNested = -1;
  SetTimer(nullptr, 0, 50, &RunNested);
  RunOffInterfaceThread([&outerSawNested] {
    Sleep(600);
    outerSawNested = InterlockedCompareExchange(&g_nestedDone, 0, 0);
  });
  CHECK(outerSawNested == 1);  // the nested work ran while the first still slept
  CHECK(g_nestedDone == 1);
}
