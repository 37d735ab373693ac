// The pinger's engine with no window: the tick's phase across a Save, and the
// program's end while an echo is on the line.
#include <doctest.h>

#include "pinger_harness.h"

using namespace quorvane;
using testing::EngineHarness;

namespace {

// Manual mode, 127.0.0.1 every 6 minutes: the period automatic mode has too.
void StoreEverySixMinutes() {
  EngineHarness::Store("chkDoPinging", "1");
  EngineHarness::Store("optAuto", "False");
  EngineHarness::Store("optManual", "True");
  EngineHarness::Store("txtPingHost", "127.0.0.1");
  EngineHarness::Store("cmbPingInterval", "5");
}

}  // namespace

TEST_CASE("a Save keeps the tick's phase unless the period or the switch changes") {
  struct Case {
    std::string change;
    void (*edit)(NetPingerSettings&);
    bool phaseKept;
    bool ticking;
  };
  const Case cases[] = {
      {"sound", [](NetPingerSettings& s) { s.sound = true; }, true, true},
      {"host", [](NetPingerSettings& s) { s.host = "127.0.0.2"; }, true, true},
      {"automatic, same period", [](NetPingerSettings& s) { s.automatic = true; }, true, true},
      {"interval", [](NetPingerSettings& s) { s.intervalIndex = 2; }, false, true},
      {"switched off", [](NetPingerSettings& s) { s.enabled = false; }, false, false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.change);
    EngineHarness h;
    StoreEverySixMinutes();
    h.engine.Start();
    for (int tick = 0; tick < 3; ++tick) h.engine.Tick();
    NetPingerSettings settings = h.engine.Settings();
    c.edit(settings);
    h.engine.Apply(settings, true);
    CHECK(h.engine.PingTickCount() == (c.phaseKept ? 3 : 0));
    CHECK(h.engine.Ticker().Running() == c.ticking);
  }
}

namespace {

struct AtShutdown {
  EngineHarness* h = nullptr;
  UINT_PTR probe = 0;
  LONG underWayBefore = -1, underWayAfter = -1;
};
AtShutdown* g_atShutdown = nullptr;

// Runs on the interface thread while the ping waits, as the program's end would.
void CALLBACK ShutDownOnceEchoing(HWND, UINT, UINT_PTR, DWORD) {
  AtShutdown& at = *g_atShutdown;
  if (at.h->network.echoes == 0) return;
  KillTimer(nullptr, at.probe);
  at.underWayBefore = at.h->network.UnderWay();
  at.h->engine.Shutdown();
  at.underWayAfter = at.h->network.UnderWay();
}

}  // namespace

TEST_CASE("Shutdown during an echo returns once the worker is done, and nothing pings after it") {
  EngineHarness h;
  h.network.echoMs = 2000;
  StoreEverySixMinutes();
  h.engine.Start();
  AtShutdown at;
  at.h = &h;
  g_atShutdown = &at;
  at.probe = SetTimer(nullptr, 0, 50, &ShutDownOnceEchoing);
  h.engine.PingNow();
  g_atShutdown = nullptr;

  REQUIRE(at.underWayBefore == 1);
  CHECK(at.underWayAfter == 0);
  CHECK_FALSE(h.engine.Ticker().Running());
  h.engine.PingNow();
  for (int tick = 0; tick < h.engine.PingPeriodTicks(); ++tick) h.engine.Tick();
  CHECK(h.network.echoes == 1);
}
