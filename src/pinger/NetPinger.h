// The keep-alive pinger as it runs from program start, with or without its
// window: it pings a host every few minutes so that an idle dial-up or
// broadband line is not dropped. It holds the saved settings, ticks once a
// minute on the interface thread, pings every period of ticks (automatic mode
// chooses its host at each ping), plays the sound and keeps the last result,
// the text the window's status line shows. The window is a view of it.
//
// Shutdown, at the program's end, stops the tick and waits for a ping's worker
// to finish its lookup and echo, at most kShutdownWaitMs, without handling
// messages; the ping itself is left unfinished on the stack, since the
// program's end may come from a handler run during its wait. The process then
// ends with no worker inside a lookup or an echo, unless a name lookup outlasts
// the wait (the system's resolver keeps its own time-outs).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "pinger/NetPingerSettings.h"
#include "pinger/mdlPing.h"
#include "ui/WindowlessTimer.h"

namespace quorvane {

class NetPinger {
 public:
  // A tick is a minute, as the interval list counts.
  static constexpr UINT kTickMs = 60000;
  static constexpr uint32_t kEchoTimeoutMs = 10000;
  // The echo's time-out and a few seconds for the name lookup before it.
  static constexpr uint32_t kShutdownWaitMs = kEchoTimeoutMs + 5000;

  NetPinger() = default;
  NetPinger(const NetPinger&) = delete;
  NetPinger& operator=(const NetPinger&) = delete;

  // Reads the saved settings and ticks when the pinger is on: at program start,
  // and again after a Shutdown when a main window is made again (tests).
  void Start();
  // New settings, from the window's Save; stored: the registry holds them (the
  // status line says so), otherwise they hold for this run. The tick keeps its
  // phase unless the period or the switch changed.
  void Apply(const NetPingerSettings& settings, bool stored);
  // One ping now, sounding after a reply when the sound is on. Nothing while
  // another ping is on the line.
  void PingNow();
  // The minute's tick: pings every PingPeriodTicks(), sounding when the sound is
  // on. A ping falling due while another is on the line is skipped; the count goes on.
  void Tick();
  void Shutdown();

  const NetPingerSettings& Settings() const { return settings_; }
  const std::optional<ManualChoice>& LastManualChoice() const { return lastManual_; }
  const std::string& StatusText() const { return status_; }
  // Runs at each change of StatusText(); the window that shows it sets it.
  std::function<void()> StatusChanged;

  // The host the tick and PingNow ping; empty in automatic mode.
  std::string PingHostName() const { return settings_.automatic ? std::string() : settings_.host; }
  int PingPeriodTicks() const { return settings_.PeriodTicks(); }
  int PingTickCount() const { return tickCount_; }
  bool PingInFlight() const { return pingInFlight_; }
  const WindowlessTimer& Ticker() const { return ticker_; }

 private:
  // A new phase: the count from 0 and, when on, the timer from now.
  void Arm();
  void RememberManualChoice();
  // One ping of the saved host (automatic mode's host now), told in the
  // status line; the caller marks it in flight. Nothing when there is no host.
  std::optional<PingResult> PingSavedHost();
  void SetStatus(std::string text);

  NetPingerSettings settings_;
  std::optional<ManualChoice> lastManual_;
  std::string status_ = "No ping yet.";
  WindowlessTimer ticker_{[this] { Tick(); }};
  int tickCount_ = 0;
  bool pingInFlight_ = false;
  bool shutDown_ = false;
};

}  // namespace quorvane
