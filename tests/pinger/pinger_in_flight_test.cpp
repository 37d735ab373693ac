// A ping that takes seconds: the window keeps handling its messages, and
// neither "Ping &Now" nor a tick that falls due starts a second echo.
#include <doctest.h>

#include "pinger_harness.h"

using namespace quorvane;
using testing::PingerHarness;

namespace {

struct DuringPing {
  PingerHarness* h = nullptr;
  int rounds = 0;
  std::string status;
  bool repainted = false;
};
DuringPing* g_during = nullptr;

// A thread timer of the interface thread: it only runs while that thread
// handles messages.
void CALLBACK Probe(HWND, UINT, UINT_PTR, DWORD) {
  DuringPing& d = *g_during;
  frmNetPingerSettings& window = d.h->window;
  ++d.rounds;
  if (d.rounds == 3) {
    d.status = d.h->Status();
    InvalidateRect(window.hWnd(), nullptr, FALSE);
    PingerHarness::Click(window.cmdPingNow);
    d.h->engine.Tick();  // counted
    d.h->engine.Tick();  // due: skipped
  }
  if (d.rounds == 6) d.repainted = !GetUpdateRect(window.hWnd(), nullptr, FALSE);
}

}  // namespace

TEST_CASE("during a slow echo the window answers, and no second echo starts") {
  PingerHarness h;
  h.network.echoMs = 2500;
  PingerHarness::Store("chkDoPinging", "1");
  PingerHarness::Store("optAuto", "False");
  PingerHarness::Store("optManual", "True");
  PingerHarness::Store("txtPingHost", "127.0.0.1");
  PingerHarness::Store("cmbPingInterval", "1");  // every 2 ticks
  h.Load();

  DuringPing during;
  during.h = &h;
  g_during = &during;
  const UINT_PTR probe = SetTimer(nullptr, 0, 100, &Probe);
  const DWORD start = GetTickCount();
  PingerHarness::Click(h.window.cmdPingNow);
  const DWORD elapsed = GetTickCount() - start;
  KillTimer(nullptr, probe);
  g_during = nullptr;

  CHECK(elapsed >= 2400);
  CHECK(during.rounds >= 15);  // about every 100 ms throughout
  CHECK(during.status == "Pinging 127.0.0.1...");
  CHECK(during.repainted);
  CHECK(h.network.echoes == 1);
  CHECK(h.network.mostAtOnce == 1);
  CHECK(h.Status().find("127.0.0.1: reply in 7 ms at ") == 0);

  // The count went on: the next period pings as usual.
  CHECK(h.engine.PingTickCount() == 0);
  CHECK_FALSE(h.engine.PingInFlight());
  h.network.echoMs = 0;
  h.TickPeriods(1);
  CHECK(h.network.echoes == 2);
}
