// The net pinger's engine, and its window on its own, from a first start (no
// stored settings), with recording effects and a network seam that sends
// nothing: its echoes, name servers, route and addresses are made up, and it
// counts what a ping asked of it.
#pragma once

#include <windows.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "pinger/NetPinger.h"
#include "pinger/PingNetwork.h"
#include "pinger/frmNetPingerSettings.h"
#include "registry/AppSettings.h"
#include "support/RecordingEffects.h"
#include "support/RegistryFixture.h"
#include "ui/ui_test_support.h"

namespace testing {

class FakePingNetwork : public quorvane::PingNetwork {
 public:
  FakePingNetwork() {
    InitializeCriticalSection(&lock_);
    quorvane::SetPingNetwork(this);
  }
  ~FakePingNetwork() override {
    quorvane::SetPingNetwork(nullptr);
    DeleteCriticalSection(&lock_);
  }

  std::optional<std::string> gateway;     // the default route's next hop
  std::vector<std::string> nameServers;
  std::vector<std::string> localAddresses;
  std::map<std::string, std::string> names;  // name -> its address
  DWORD echoMs = 0;                          // how long each echo takes
  bool answers = true;

  // Echoes begun, and the most that were under way at once.
  LONG echoes = 0;
  LONG mostAtOnce = 0;
  LONG UnderWay() const { return underWay_; }
  std::vector<std::string> echoed;

  std::vector<std::string> LookUpHost(const std::string& name) override {
    auto found = names.find(name);
    if (found == names.end()) return {};
    return {found->second};
  }
  int32_t SendEcho(const std::string& address, quorvane::EchoReply& reply, uint32_t) override {
    EnterCriticalSection(&lock_);
    ++echoes;
    mostAtOnce = std::max(mostAtOnce, ++underWay_);
    echoed.push_back(address);
    LeaveCriticalSection(&lock_);
    Sleep(echoMs);
    reply = quorvane::EchoReply{};
    reply.Status = answers ? quorvane::kIpSuccess : 11010;  // IP_REQ_TIMED_OUT
    reply.RoundTripTime = answers ? 7 : 0;
    EnterCriticalSection(&lock_);
    --underWay_;
    LeaveCriticalSection(&lock_);
    return answers ? 7 : -11010;
  }
  std::vector<std::string> NameServers() override { return nameServers; }
  std::optional<std::string> DefaultRouteNextHop() override { return gateway; }
  std::vector<std::string> LocalAddresses() override { return localAddresses; }

 private:
  CRITICAL_SECTION lock_;
  LONG underWay_ = 0;
};

class EngineHarness {
 public:
  EngineHarness() { DeleteKeyTree(HKEY_LOCAL_MACHINE, quorvane::kNetPingerSection); }
  ~EngineHarness() { DeleteKeyTree(HKEY_LOCAL_MACHINE, quorvane::kNetPingerSection); }

  // Stored values, as an earlier run (or another tool) left them.
  static void Store(const std::string& name, const std::string& value) {
    quorvane::SaveAppSetting(quorvane::kNetPingerSection, name, value);
  }

  RecordingEffects effects;
  FakePingNetwork network;
  quorvane::NetPinger engine;
};

// The program starts the engine; the window is loaded later.
class PingerHarness : public EngineHarness {
 public:
  ~PingerHarness() {
    if (window.IsLoaded()) window.Unload();
  }

  void Load() {
    engine.Start();
    ShowQuietly(window);
  }

  static void Click(quorvane::Control& control) { SendMessageA(control.hWnd(), BM_CLICK, 0, 0); }
  static bool Enabled(const quorvane::Control& control) { return IsWindowEnabled(control.hWnd()) != FALSE; }
  std::string Status() const { return WindowTextOf(window.lblPingStatus.hWnd()); }
  // Ticks until the count wraps: the ticks from one ping to the next.
  void TickPeriods(int periods) {
    for (int tick = 0; tick < periods * engine.PingPeriodTicks(); ++tick) engine.Tick();
  }

  quorvane::frmNetPingerSettings window{engine};
};

}  // namespace testing
