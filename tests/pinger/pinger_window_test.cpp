// The pinger window's settings, timer and "Ping &Now", with the network seam:
// no echo leaves the process.
#include <doctest.h>

#include <algorithm>

#include "pinger_harness.h"
#include "support/RegQuery.h"

using namespace quorvane;
using testing::PingerHarness;

TEST_CASE("first start: pinger off, automatic mode showing its 6-minute interval, nothing to save") {
  PingerHarness h;
  h.Load();
  CHECK(h.window.chkDoPinging.Value() == kUnchecked);
  CHECK(h.window.optAuto.Value());
  CHECK_FALSE(h.window.optManual.Value());
  CHECK(testing::WindowTextOf(h.window.txtPingHost.hWnd()) == "Automatic");
  CHECK(h.window.cmbPingInterval.ListCount() == 60);
  CHECK(h.window.cmbPingInterval.List(59) == "60 min.");
  CHECK(h.window.cmbPingInterval.Text() == "6 min.");
  for (Control* control : std::initializer_list<Control*>{&h.window.optAuto, &h.window.txtPingHost,
                                                          &h.window.cmbPingInterval, &h.window.cmdPingNow,
                                                          &h.window.chkSound, &h.window.cmdSave})
    CHECK_FALSE(PingerHarness::Enabled(*control));
  CHECK(PingerHarness::Enabled(h.window.chkDoPinging));
  CHECK_FALSE(h.engine.Ticker().Running());
  CHECK(h.engine.PingPeriodTicks() == 6);
  CHECK_FALSE(testing::KeyExists(HKEY_LOCAL_MACHINE, kNetPingerSection));
}

TEST_CASE("stored settings load; values the controls cannot take load as the defaults") {
  struct Case {
    const char *optAuto, *optManual, *interval;
    bool manual;
    int index;
  } cases[] = {
      {"False", "True", "0", true, 0},
      {"FALSE", "true", "59", true, 59},
      {"False", "True", "60", true, 5},    // outside the list
      {"False", "True", "-1", true, 5},
      {"False", "True", "seven", true, 5},
      {"yes", "no", "0", false, 5},        // neither word: automatic, the default
      {"false", "false", "3", false, 5},   // no mode set: the default mode
      {"True", "False", "12", false, 5},   // automatic shows its own interval
  };
  for (const Case& c : cases) {
    CAPTURE(c.optAuto);
    CAPTURE(c.optManual);
    CAPTURE(c.interval);
    PingerHarness h;
    PingerHarness::Store("chkDoPinging", "1");
    PingerHarness::Store("optAuto", c.optAuto);
    PingerHarness::Store("optManual", c.optManual);
    PingerHarness::Store("txtPingHost", "saved.invalid");
    PingerHarness::Store("cmbPingInterval", c.interval);
    h.Load();
    CHECK(h.window.optManual.Value() == c.manual);
    CHECK(h.window.optAuto.Value() == !c.manual);
    CHECK(h.window.cmbPingInterval.ListIndex() == c.index);
    CHECK(h.engine.PingPeriodTicks() == c.index + 1);
    CHECK(h.engine.PingHostName() == (c.manual ? "saved.invalid" : ""));
    CHECK(h.engine.Ticker().Running());
    CHECK(h.engine.Ticker().Interval() == 60000);  // a tick is a minute
    CHECK_FALSE(PingerHarness::Enabled(h.window.cmdSave));
  }
}

TEST_CASE("Save writes the six values and is the only way to start or stop the timer") {
  PingerHarness h;
  h.network.gateway = "192.0.2.1";
  h.Load();
  PingerHarness::Click(h.window.chkDoPinging);
  CHECK(PingerHarness::Enabled(h.window.cmdSave));
  CHECK_FALSE(h.engine.Ticker().Running());

  PingerHarness::Click(h.window.optManual);  // automatic mode's host is the manual default
  CHECK(testing::WindowTextOf(h.window.txtPingHost.hWnd()) == "192.0.2.1");
  SendMessageA(h.window.txtPingHost.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("127.0.0.1"));
  h.window.cmbPingInterval.SetListIndex(59);
  PingerHarness::Click(h.window.chkSound);
  PingerHarness::Click(h.window.cmdSave);
  CHECK(h.engine.Ticker().Running());
  CHECK_FALSE(PingerHarness::Enabled(h.window.cmdSave));
  CHECK(h.engine.PingPeriodTicks() == 60);

  const std::string stored = testing::RegQuery(std::string("\"HKLM\\") + kNetPingerSection + "\"");
  CAPTURE(stored);
  const char* lines[] = {"chkDoPinging    REG_SZ    1",        "optAuto    REG_SZ    False",
                         "optManual    REG_SZ    True",        "txtPingHost    REG_SZ    127.0.0.1",
                         "cmbPingInterval    REG_SZ    59", "chkSound    REG_SZ    1"};
  for (const char* line : lines) CHECK(stored.find(line) != std::string::npos);

  // Automatic mode writes what it shows; switching the pinger off takes a Save too.
  h.network.gateway.reset();
  PingerHarness::Click(h.window.optManual);
  CHECK(testing::WindowTextOf(h.window.txtPingHost.hWnd()) == "127.0.0.1");  // no gateway
  PingerHarness::Click(h.window.optAuto);
  PingerHarness::Click(h.window.chkDoPinging);
  CHECK(h.engine.Ticker().Running());
  PingerHarness::Click(h.window.cmdSave);
  CHECK_FALSE(h.engine.Ticker().Running());
  CHECK(testing::ReadText(HKEY_LOCAL_MACHINE, kNetPingerSection, "txtPingHost") == "Automatic");
  CHECK(testing::ReadText(HKEY_LOCAL_MACHINE, kNetPingerSection, "cmbPingInterval") == "5");
  CHECK(h.engine.PingPeriodTicks() == 6);
}

TEST_CASE("the timer pings every N ticks: the first entry, the last, and automatic mode's gateway") {
  struct Case {
    bool manual;
    const char* interval;
    int period;
    const char* echoed;
  } cases[] = {{true, "0", 1, "127.0.0.5"}, {true, "59", 60, "127.0.0.5"}, {false, "0", 6, "127.0.0.9"}};
  for (const Case& c : cases) {
    CAPTURE(c.period);
    PingerHarness h;
    h.network.gateway = "127.0.0.9";
    h.network.answers = false;  // the timer's sound does not wait for a reply
    PingerHarness::Store("chkDoPinging", "1");
    PingerHarness::Store("optAuto", c.manual ? "False" : "True");
    PingerHarness::Store("optManual", c.manual ? "True" : "False");
    PingerHarness::Store("txtPingHost", "127.0.0.5");
    PingerHarness::Store("cmbPingInterval", c.interval);
    PingerHarness::Store("chkSound", "1");
    h.Load();
    REQUIRE(h.engine.PingPeriodTicks() == c.period);
    for (int tick = 1; tick < c.period; ++tick) h.engine.Tick();
    CHECK(h.network.echoes == 0);
    h.engine.Tick();
    CHECK(h.network.echoes == 1);
    h.TickPeriods(2);
    CHECK(h.network.echoes == 3);
    CHECK(h.network.echoed.back() == c.echoed);
    CHECK(h.effects.sounds.size() == 3);
    CHECK(h.Status().find("no reply") != std::string::npos);
    // Saving keeps the period (and the count).
    PingerHarness::Click(h.window.chkSound);
    PingerHarness::Click(h.window.cmdSave);
    CHECK(h.engine.PingPeriodTicks() == c.period);
  }
}

TEST_CASE("Ping Now pings the saved host, not unsaved text, and sounds only after a reply") {
  PingerHarness h;
  h.network.names = {{"saved.invalid", "127.0.0.3"}};
  PingerHarness::Store("optAuto", "False");
  PingerHarness::Store("optManual", "True");
  PingerHarness::Store("txtPingHost", "saved.invalid");
  PingerHarness::Store("chkSound", "1");
  h.Load();
  PingerHarness::Click(h.window.chkDoPinging);
  SendMessageA(h.window.txtPingHost.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed.invalid"));

  h.window.cmdPingNow_Click();
  REQUIRE(h.network.echoed == std::vector<std::string>{"127.0.0.3"});
  CHECK(h.Status().find("saved.invalid (127.0.0.3): reply in 7 ms at ") == 0);
  REQUIRE(h.effects.sounds.size() == 1);
  CHECK(h.effects.sounds[0].ends_with("\\Ping.wav"));

  h.network.answers = false;
  h.window.cmdPingNow_Click();
  CHECK(h.Status().find("saved.invalid (127.0.0.3): no reply at ") == 0);
  CHECK(h.effects.sounds.size() == 1);

  PingerHarness::Click(h.window.cmdSave);  // now the typed host, which is unknown
  h.window.cmdPingNow_Click();
  CHECK(h.network.echoes == 2);
  CHECK(h.Status().find("typed.invalid: host not found at ") == 0);
  CHECK(h.effects.messageBoxes.empty());

  // Automatic mode without a gateway: nothing is sent, and the window says so.
  PingerHarness::Click(h.window.optAuto);
  PingerHarness::Click(h.window.cmdSave);
  h.window.cmdPingNow_Click();
  h.TickPeriods(1);
  CHECK(h.network.echoes == 2);
  CHECK(h.Status().find("Automatic: no name server or gateway beyond this machine, nothing pinged at ") == 0);
}

// Only through the seam: the addresses are the test's, and each echo is 127.0.0.1.
TEST_CASE("automatic mode pings a name server beyond this machine, else the gateway, and names it") {
  struct Case {
    std::vector<std::string> nameServers;
    std::optional<std::string> nextHop;
    std::vector<std::string> local;
    const char* status;  // the status line's start; empty: nothing sent
  };
  const Case cases[] = {
      // Loopback and this machine's own name servers are passed over.
      {{"127.0.0.53", "198.51.100.7"}, "127.0.0.1", {"198.51.100.7"},
       "Automatic: 127.0.0.1, your default gateway: reply in 7 ms at "},
      {{}, "198.51.100.7", {"198.51.100.7"}, ""},  // dial-up: the next hop is this machine
      {{"0.0.0.0", "not.an.address"}, std::nullopt, {}, ""},
  };
  for (const Case& c : cases) {
    CAPTURE(c.status);
    PingerHarness h;
    h.network.nameServers = c.nameServers;
    h.network.gateway = c.nextHop;
    h.network.localAddresses = c.local;
    PingerHarness::Store("chkDoPinging", "1");
    h.Load();
    h.window.cmdPingNow_Click();
    if (*c.status) {
      CHECK(h.network.echoed == std::vector<std::string>{"127.0.0.1"});
      CHECK(h.Status().find(c.status) == 0);
    } else {
      CHECK(h.network.echoes == 0);
      CHECK(h.Status().find("Automatic: no name server or gateway beyond this machine") == 0);
    }
  }
}

TEST_CASE("the first name server that is not loopback and not this machine's wins over the gateway") {
  const auto host = ChooseAutomaticHost({" 127.0.0.1", "192.0.2.10", "203.0.113.53", "198.51.100.1"}, "192.0.2.1",
                                        {"192.0.2.10"});
  REQUIRE(host);
  CHECK(*host == AutomaticHost{"203.0.113.53", AutomaticHostKind::NameServer});
  CHECK(AutomaticHostLabel(*host) == "Automatic: 203.0.113.53, your name server");
}

TEST_CASE("the keyboard reaches every control, and Alt+N and Alt+S work") {
  PingerHarness h;
  PingerHarness::Store("chkDoPinging", "1");
  PingerHarness::Store("optAuto", "False");
  PingerHarness::Store("optManual", "True");
  PingerHarness::Store("txtPingHost", "127.0.0.1");
  h.Load();
  PingerHarness::Click(h.window.chkSound);  // a change, so Save takes the focus too

  std::vector<HWND> reached;
  HWND at = h.window.chkDoPinging.hWnd();
  do {
    reached.push_back(at);
    at = GetNextDlgTabItem(h.window.hWnd(), at, FALSE);
  } while (at && at != reached.front() && reached.size() < 20);
  for (Control* control : std::initializer_list<Control*>{&h.window.optManual, &h.window.txtPingHost,
                                                          &h.window.cmbPingInterval, &h.window.chkSound,
                                                          &h.window.cmdPingNow, &h.window.cmdSave}) {
    CAPTURE(control->Name());
    CHECK(std::find(reached.begin(), reached.end(), control->hWnd()) != reached.end());
  }

  auto pressAlt = [&h](char key) {
    MSG message{h.window.txtPingHost.hWnd(), WM_SYSCHAR, static_cast<WPARAM>(key), 0x20000001, 0, {}};
    IsDialogMessageA(h.window.hWnd(), &message);
  };
  pressAlt('n');
  CHECK(h.network.echoes == 1);
  pressAlt('s');
  CHECK(h.window.chkSound.Value() == kUnchecked);
}

TEST_CASE("a Save the registry refuses is told, and Save stays enabled to try again") {
  PingerHarness h;
  PingerHarness::Store("chkDoPinging", "0");
  REQUIRE(testing::DenyWriteAccess(HKEY_LOCAL_MACHINE, kNetPingerSection));
  h.Load();
  PingerHarness::Click(h.window.chkDoPinging);
  PingerHarness::Click(h.window.cmdSave);
  testing::AllowAllAccess(HKEY_LOCAL_MACHINE, kNetPingerSection);
  REQUIRE(h.effects.messageBoxes.size() == 1);
  CHECK(h.effects.messageBoxes[0].text.find("chkDoPinging could not be saved") != std::string::npos);
  CHECK(PingerHarness::Enabled(h.window.cmdSave));
  CHECK(h.engine.Ticker().Running());  // the window shows it on: it runs for this session
  CHECK(testing::ReadText(HKEY_LOCAL_MACHINE, kNetPingerSection, "chkDoPinging") == "0");
}

TEST_CASE("the host typed, shown and stored: a dotted address or a host name, anything else refused on Save") {
  PingerHarness h;
  h.Load();
  PingerHarness::Click(h.window.chkDoPinging);
  PingerHarness::Click(h.window.optManual);
  const std::string label63(63, 'a');
  const std::string longest = label63 + "." + label63 + "." + label63 + "." + std::string(61, 'b');  // 253
  struct Case {
    std::string typed;
    bool stored;
  };
  const Case cases[] = {
      {"127.0.0.1", true}, {"-5", false},           {"1e3", true},           {"abc", true},
      {"\b", false},       {std::string(500, '9'), false}, {" 500", false}, {"+500", false},
      {"3.0", false},      {"192.0.2.1127.0.0.1", false},  {"host_name", false}, {"my-host.example", true},
      {longest, true},     {longest + "b", false},
  };
  const char* accepts = ": a dotted IPv4 address or a host name (letters, digits, hyphens and dots, at most 253 characters).";
  for (const Case& c : cases) {
    CAPTURE(c.typed.substr(0, 20));
    HWND box = h.window.txtPingHost.hWnd();
    const std::optional<std::string> before = testing::ReadText(HKEY_LOCAL_MACHINE, kNetPingerSection, "txtPingHost");
    h.effects.messageBoxes.clear();
    SendMessageA(box, EM_SETSEL, 0, -1);
    testing::TypeText(box, c.typed);
    const std::string shown = c.typed == "\b" ? "" : c.typed;
    CHECK(testing::WindowTextOf(box) == shown);
    REQUIRE(PingerHarness::Enabled(h.window.cmdSave));
    PingerHarness::Click(h.window.cmdSave);
    const std::optional<std::string> stored = testing::ReadText(HKEY_LOCAL_MACHINE, kNetPingerSection, "txtPingHost");
    if (c.stored) {
      CHECK(h.effects.messageBoxes.empty());
      CHECK(stored == shown);
      CHECK(h.engine.PingHostName() == shown);
      CHECK(h.Status() == "Settings saved.");
      continue;
    }
    REQUIRE(h.effects.messageBoxes.size() == 1);
    CHECK(h.effects.messageBoxes[0].text == std::string("Ping Host") + accepts);
    CHECK(stored == before);
    CHECK(h.window.txtPingHost.HasFocus());
    CHECK(PingerHarness::Enabled(h.window.cmdSave));
  }
}

TEST_CASE("Manual brings back the last saved manual host and interval; the default only where there are none") {
  PingerHarness h;
  h.network.gateway = "192.0.2.1";
  h.Load();
  PingerHarness::Click(h.window.chkDoPinging);
  PingerHarness::Click(h.window.optManual);
  CHECK(testing::WindowTextOf(h.window.txtPingHost.hWnd()) == "192.0.2.1");  // none saved yet
  SendMessageA(h.window.txtPingHost.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("127.0.0.2"));
  h.window.cmbPingInterval.SetListIndex(9);
  PingerHarness::Click(h.window.cmdSave);
  PingerHarness::Click(h.window.optAuto);
  PingerHarness::Click(h.window.optManual);
  CHECK(testing::WindowTextOf(h.window.txtPingHost.hWnd()) == "127.0.0.2");
  CHECK(h.window.cmbPingInterval.ListIndex() == 9);
}

TEST_CASE("a window made after the engine pinged shows that ping, and the engine's settings, at once") {
  testing::EngineHarness h;
  h.network.gateway = "127.0.0.1";
  h.engine.Start();
  h.engine.PingNow();
  NetPingerSettings unstored = h.engine.Settings();  // as after a Save the registry refused
  unstored.enabled = true;
  h.engine.Apply(unstored, false);
  frmNetPingerSettings window(h.engine);
  testing::ShowQuietly(window);
  CHECK(window.chkDoPinging.Value() == kChecked);
  CHECK(testing::WindowTextOf(window.lblPingStatus.hWnd())
            .starts_with("Automatic: 127.0.0.1, your default gateway: reply in 7 ms at "));
  window.Unload();
}
