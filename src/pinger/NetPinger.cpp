#include "pinger/NetPinger.h"

#include "pinger/OffInterfaceThread.h"
#include "pinger/PingNetwork.h"
#include "system/Effects.h"
#include "system/ProgramFolder.h"
#include "ui/MessageLoop.h"

namespace quorvane {

namespace {

// Rounds of pending messages before PingNow starts its ping: the button that
// asked for it repaints first.
constexpr int kPingNowMessageRounds = 6;

std::string TimeOfDay() {
  char text[64] = {};
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text);
  return text;
}

// "localhost (127.0.0.1): reply in 3 ms at 14:03:11", "Automatic: 203.0.113.53, your
// name server: reply ...": the host as shown, its address when the host was a name.
std::string DescribePing(const std::string& shown, const std::string& host, const PingResult& result) {
  std::string text = shown;
  if (!result.address.empty() && result.address != host) text += " (" + result.address + ")";
  switch (result.outcome) {
    case PingOutcome::Reply: text += ": reply in " + std::to_string(result.roundTripMs) + " ms"; break;
    case PingOutcome::NoReply: text += ": no reply"; break;
    case PingOutcome::HostNotFound: text += ": host not found"; break;
    case PingOutcome::NotStarted: text += ": Windows Sockets is not available"; break;
  }
  return text + " at " + TimeOfDay();
}

// Marks a ping in flight for as long as it lives.
class InFlight {
 public:
  explicit InFlight(bool& flag) : flag_(flag) { flag_ = true; }
  ~InFlight() { flag_ = false; }
  InFlight(const InFlight&) = delete;
  InFlight& operator=(const InFlight&) = delete;

 private:
  bool& flag_;
};

void PlayPingSound() { CurrentEffects().PlaySoundFile(ProgramFolder() + "\\Ping.wav"); }

}  // namespace

void NetPinger::Start() {
  shutDown_ = false;
  settings_ = ReadNetPingerSettings();
  RememberManualChoice();
  Arm();
}

void NetPinger::Apply(const NetPingerSettings& settings, bool stored) {
  const bool newPhase = settings.enabled != settings_.enabled || settings.PeriodTicks() != settings_.PeriodTicks();
  settings_ = settings;
  RememberManualChoice();
  if (newPhase) Arm();
  if (stored) SetStatus("Settings saved.");
}

void NetPinger::Arm() {
  tickCount_ = 0;
  if (settings_.enabled && !shutDown_) {
    ticker_.Start(kTickMs);
  } else {
    ticker_.Stop();
  }
}

void NetPinger::RememberManualChoice() {
  if (!settings_.automatic) lastManual_ = ManualChoice{settings_.host, settings_.intervalIndex};
}

void NetPinger::PingNow() {
  if (pingInFlight_ || shutDown_) return;
  InFlight inFlight(pingInFlight_);
  DoEvents(kPingNowMessageRounds);
  const std::optional<PingResult> result = PingSavedHost();
  if (result && result->outcome == PingOutcome::Reply && settings_.sound) PlayPingSound();
}

void NetPinger::Tick() {
  if (tickCount_ < PingPeriodTicks() - 1) {
    ++tickCount_;
    return;
  }
  tickCount_ = 0;
  if (pingInFlight_ || shutDown_) return;
  InFlight inFlight(pingInFlight_);
  if (PingSavedHost() && settings_.sound) PlayPingSound();
}

void NetPinger::Shutdown() {
  shutDown_ = true;
  ticker_.Stop();
  WaitForOffInterfaceWork(kShutdownWaitMs);
}

std::optional<PingResult> NetPinger::PingSavedHost() {
  std::string host = PingHostName();
  std::string shownHost = host;
  if (settings_.automatic) {
    const std::optional<AutomaticHost> automatic = FindAutomaticHost();
    if (!automatic) {
      SetStatus(std::string(kNoAutomaticHostText) + " at " + TimeOfDay());
      return std::nullopt;
    }
    host = automatic->address;
    shownHost = AutomaticHostLabel(*automatic);
  }
  SetStatus("Pinging " + shownHost + "...");
  const PingResult result = PingHostWithResult(host, kEchoTimeoutMs);
  SetStatus(DescribePing(shownHost, host, result));
  return result;
}

void NetPinger::SetStatus(std::string text) {
  status_ = std::move(text);
  if (StatusChanged) StatusChanged();
}

}  // namespace quorvane
