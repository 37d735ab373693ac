// The advanced wizard's inputs on real controls: the guarded boxes at their
// bounds, the multiplier rule, the SYN level, the check boxes and the NDI list.
#include <doctest.h>

#include "wizard_harness.h"

using namespace quorvane;
using testing::PressKey;
using testing::TypeText;
using testing::WindowTextOf;
using testing::WizardHarness;

TEST_CASE("typed keys, the text shown, what Next says and what Finish writes: Windows' bounds for each box") {
  WizardHarness h;
  h.registry.SetAdapters(Layout::Nt, {"{4E1A}"});
  const std::string digits500(500, '9');
  struct Case {
    TextBox& box;
    int page;
    std::string typed;
    std::string shown;
    const char* refusal;  // what Next says; nullptr when it moves on
  };
  const char* mtu = "MTU: a whole number from 68 to 65535.";
  const Case cases[] = {
      {h.wizard.txtMTUValue, 1, "abc", "576", nullptr},  // refused keys: the recommendation stays
      {h.wizard.txtMTUValue, 1, "-5", "5", mtu},
      {h.wizard.txtMTUValue, 1, "1e3", "13", mtu},
      {h.wizard.txtMTUValue, 1, "3.0", "30", mtu},
      {h.wizard.txtMTUValue, 1, "\b", "576", nullptr},  // emptied: the guard puts the field back
      {h.wizard.txtMTUValue, 1, digits500, "576", nullptr},  // every fifth 9 is too many
      {h.wizard.txtMTUValue, 1, " 500", "500", nullptr},
      {h.wizard.txtMTUValue, 1, "+500", "500", nullptr},
      {h.wizard.txtMTUValue, 1, "65536", "576", nullptr},
      {h.wizard.txtMTUValue, 1, "67", "67", mtu},
      {h.wizard.txtMTUValue, 1, "68", "68", nullptr},
      {h.wizard.txtMSSValue, 1, "0", "536", nullptr},  // no more digits can make 0 an MSS
      {h.wizard.txtMSSValue, 1, "65496", "536", nullptr},
      {h.wizard.txtMSSValue, 1, "65495", "65495", nullptr},
      {h.wizard.txtTTLValue, 4, "0", "64", nullptr},
      {h.wizard.txtTTLValue, 4, "256", "64", nullptr},
      {h.wizard.txtTTLValue, 4, "255", "255", nullptr},
      {h.wizard.txtHTTP10Value, 4, "3", "3", "HTTP 1.0 connections: a whole number from 4 to 2147483647."},
      {h.wizard.txtHTTP10Value, 4, "4", "4", nullptr},
      {h.wizard.txtKeepAliveTimeValue, 5, "2147483648", "7200000", nullptr},
      {h.wizard.txtKeepAliveTimeValue, 5, "2147483647", "2147483647", nullptr},
  };
  for (const Case& c : cases) {
    CAPTURE(c.box.Name());
    CAPTURE(c.typed.substr(0, 12));
    while (h.wizard.CurrentPage() > c.page) h.Back();
    h.GoTo(c.page);
    h.effects.messageBoxes.clear();
    SendMessageA(c.box.hWnd(), EM_SETSEL, 0, -1);
    TypeText(c.box.hWnd(), c.typed);
    CHECK(WindowTextOf(c.box.hWnd()) == c.shown);
    const std::string after = WindowTextOf(c.box.hWnd());
    h.Next();
    if (!c.refusal) {
      CHECK(h.effects.messageBoxes.empty());
      CHECK(h.wizard.CurrentPage() == c.page + 1);
      continue;
    }
    REQUIRE(h.effects.messageBoxes.size() == 1);
    CHECK(h.effects.messageBoxes[0].text == c.refusal);
    CHECK(h.wizard.CurrentPage() == c.page);
    CHECK(c.box.HasFocus());
    CHECK(WindowTextOf(c.box.hWnd()) == after);
  }
  // Back and Next again leave the boxes as typed: Finish writes each one's last accepted text.
  h.GoTo(7);
  h.Next();  // Finish
  const char* parameters = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
  const char* adapter = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{4E1A}";
  CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, adapter, "MTU") == 68u);
  CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, adapter, "MSS") == 65495u);
  CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, parameters, "DefaultTTL") == 255u);
  CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, parameters, "KeepAliveTime") == 2147483647u);
}

TEST_CASE("typing into a guarded box checks every keystroke") {
  WizardHarness h;
  h.GoTo(4);
  HWND ttl = h.wizard.txtTTLValue.hWnd();
  SendMessageA(ttl, EM_SETSEL, 0, -1);
  TypeText(ttl, "255");
  CHECK(WindowTextOf(ttl) == "255");
  TypeText(ttl, "7");  // 2557
  CHECK(WindowTextOf(ttl) == "64");  // the set's TTL, recommended on entering the page

  HWND http10 = h.wizard.txtHTTP10Value.hWnd();
  SendMessageA(http10, EM_SETSEL, 0, -1);
  TypeText(http10, "3");  // below 4, but on its way to 30
  CHECK(WindowTextOf(http10) == "3");
  HWND http11 = h.wizard.txtHTTP11Value.hWnd();
  SendMessageA(http11, EM_SETSEL, 0, -1);
  TypeText(http11, "2");
  CHECK(WindowTextOf(http11) == "2");
}

TEST_CASE("after a guard puts its value back, the next keys typed replace it") {
  WizardHarness h;
  h.GoTo(1);
  HWND mtu = h.wizard.txtMTUValue.hWnd();
  SendMessageA(mtu, EM_SETSEL, 0, -1);
  TypeText(mtu, "\b");  // emptied: the guard puts 576 back
  CHECK(WindowTextOf(mtu) == "576");
  TypeText(mtu, "1400");
  CHECK(WindowTextOf(mtu) == "1400");

  h.GoTo(3);
  HWND multiplier = h.wizard.txtMultiplier.hWnd();
  SendMessageA(multiplier, EM_SETSEL, 0, -1);
  TypeText(multiplier, "x5");  // "x" falls back to 3, the 5 replaces it
  CHECK(WindowTextOf(multiplier) == "5");

  h.GoTo(4);
  HWND ttl = h.wizard.txtTTLValue.hWnd();
  SendMessageA(ttl, EM_SETSEL, 0, -1);
  TypeText(ttl, "0");  // no TTL starts with 0: back to 64, selected
  CHECK(WindowTextOf(ttl) == "64");
  DWORD start = 0, end = 0;
  SendMessageA(ttl, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  CHECK(start == 0);
  CHECK(end == 2);
}

TEST_CASE("the multiplier rule falls back to the type's multiplier and recomputes the window") {
  WizardHarness h;
  TextBox& multiplier = h.wizard.txtMultiplier;
  HWND rwin = h.wizard.txtRWIN.hWnd();

  SUBCASE("dial-up") {
    h.GoTo(3);
    CHECK(WizardHarness::Put(multiplier, "2") == "2");
    CHECK(WindowTextOf(rwin) == "4288");
    CHECK(CurrentSettings.RWIN == 6432);  // the rule leaves the set alone
    CHECK(WizardHarness::Put(multiplier, "0") == "3");  // RWIN 0 is smaller than the MSS
    CHECK(WindowTextOf(rwin) == "6432");
    CHECK(WizardHarness::Put(multiplier, "500000") == "500000");  // 1072000000
    CHECK(WindowTextOf(rwin) == "1072000000");
    CHECK(WizardHarness::Put(multiplier, "500800") == "500800");  // 1073715200
    CHECK(WizardHarness::Put(multiplier, "500900") == "3");       // 1073929600
    CHECK(WindowTextOf(rwin) == "6432");
    CHECK(WizardHarness::Put(multiplier, "1e300") == "3");
    CHECK(WizardHarness::Put(multiplier, "-2") == "3");
    CHECK(WizardHarness::Put(multiplier, "2.5") == "2.5");
    CHECK(WindowTextOf(rwin) == "5360");
    CHECK(WizardHarness::Put(multiplier, "x") == "3");
    CHECK(WindowTextOf(rwin) == "6432");
  }
  SUBCASE("other connection types fall back to 44") {
    WizardHarness::Click(h.wizard.optConnType(2));
    h.GoTo(3);
    CHECK(WindowTextOf(rwin) == "255552");
    CHECK(WizardHarness::Put(multiplier, "0") == "44");
    CHECK(WindowTextOf(rwin) == "255552");
    CHECK(WizardHarness::Put(multiplier, "200000") == "44");  // 1161600000
  }
}

TEST_CASE("the SYN level follows the box at once and keeps the last whole 16-bit number") {
  WizardHarness h;
  h.GoTo(6);
  TextBox& syn = h.wizard.txtSYNValue;
  CHECK(CurrentSettings.SYNProtect == 2);
  WizardHarness::Put(syn, "1");
  CHECK(CurrentSettings.SYNProtect == 1);
  for (const char* kept : {"", "two", "40000", "1x"}) {
    CAPTURE(kept);
    CHECK(WizardHarness::Put(syn, kept) == kept);
    CHECK(CurrentSettings.SYNProtect == 1);
  }
  WizardHarness::Put(syn, "-3");  // no range check on whole numbers
  CHECK(CurrentSettings.SYNProtect == -3);

  WizardHarness::Put(syn, "1");
  PressKey(syn.hWnd(), VK_DOWN);  // the up-down steps the level
  CHECK(WindowTextOf(syn.hWnd()) == "0");
  CHECK(CurrentSettings.SYNProtect == 0);
  PressKey(syn.hWnd(), VK_UP);
  CHECK(CurrentSettings.SYNProtect == 1);

  h.Back();
  h.Next();  // entering the page again recommends 2; the box still reads 1
  CHECK(CurrentSettings.SYNProtect == 2);
  CHECK(WindowTextOf(syn.hWnd()) == "1");
}

TEST_CASE("check boxes set their fields; entering a page recommends without touching them") {
  WizardHarness h;
  h.GoTo(2);
  WizardHarness::Click(h.wizard.chkMTUDisconver);  // "Disable it??"
  CHECK(h.wizard.chkMTUDisconver.Value() == kChecked);
  CHECK_FALSE(CurrentSettings.PMTUDiscovery);
  WizardHarness::Click(h.wizard.chkBlackHoleValue);
  CHECK(CurrentSettings.BlackHoleDetect);

  h.Back();
  h.Next();
  CHECK(h.wizard.chkMTUDisconver.Value() == kChecked);
  CHECK(CurrentSettings.PMTUDiscovery);
  CHECK_FALSE(CurrentSettings.BlackHoleDetect);
  WizardHarness::Click(h.wizard.chkMTUDisconver);  // unchecked: discovery on
  CHECK(CurrentSettings.PMTUDiscovery);
  WizardHarness::Click(h.wizard.chkMTUDisconver);
  CHECK_FALSE(CurrentSettings.PMTUDiscovery);

  h.GoTo(7);
  WizardHarness::Click(h.wizard.chkICMPValue);
  CHECK(CurrentSettings.ICMPRedirect);
  h.Back();
  h.Next();
  CHECK_FALSE(CurrentSettings.ICMPRedirect);
  CHECK(h.wizard.chkICMPValue.Value() == kChecked);
}

TEST_CASE("the NDI list sets the cache size; the page recommends 0") {
  WizardHarness h;
  CHECK(h.wizard.cmbNDI.ListIndex() == 0);  // selected at load
  CHECK(CurrentSettings.NDICacheSize == 0);
  h.GoTo(6);
  WizardHarness::Pick(h.wizard.cmbNDI, 5);
  CHECK(h.wizard.cmbNDI.Text() == "32");
  CHECK(CurrentSettings.NDICacheSize == 32);
  WizardHarness::Pick(h.wizard.cmbNDI, 6);
  CHECK(CurrentSettings.NDICacheSize == 64);
  h.Back();
  h.Next();
  CHECK(CurrentSettings.NDICacheSize == 0);
  CHECK(h.wizard.cmbNDI.Text() == "64");
}
