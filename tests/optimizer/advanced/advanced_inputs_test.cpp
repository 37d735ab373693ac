// The advanced wizard's inputs on real controls: the guarded boxes at their
// bounds, the multiplier rule, the SYN level, the check boxes and the NDI list.
#include <doctest.h>

#include "wizard_harness.h"

using namespace quorvane;
using testing::PressKey;
using testing::TypeText;
using testing::WindowTextOf;
using testing::WizardHarness;

TEST_CASE("each guarded box keeps numbers inside its inclusive bounds and restores the field otherwise") {
  WizardHarness h;
  TcpSettings& set = CurrentSettings;
  set.MTU = 576;
  set.MSS = 536;
  set.TTL = 64;
  set.MaxConn10 = 20;
  set.MaxConn11 = 21;
  set.KeepAliveTime = 7200000;
  set.KeepAliveInterval = 1000;
  const TcpSettings before = set;

  struct Guarded {
    TextBox& box;
    const char* field;  // the field's value as the box is restored to it
    const char* minimum;
    const char* belowMinimum;
    const char* maximum;
    const char* aboveMaximum;
  };
  const Guarded boxes[] = {
      {h.wizard.txtMTUValue, "576", "0", "-1", "2147483647", "2147483648"},
      {h.wizard.txtMSSValue, "536", "0", "-0.5", "2147483647", "2147483647.5"},
      {h.wizard.txtTTLValue, "64", "0", "-1", "256", "257"},
      {h.wizard.txtHTTP10Value, "20", "4", "3", "2147483647", "2147483648"},
      {h.wizard.txtHTTP11Value, "21", "2", "1", "2147483647", "3e9"},
      {h.wizard.txtKeepAliveTimeValue, "7200000", "0", "-1", "2147483647", "2147483648"},
      {h.wizard.txtKeepAliveIntervalValue, "1000", "0", "-1", "2147483647", "1e10"},
  };
  for (const Guarded& g : boxes) {
    CAPTURE(g.box.Name());
    CHECK(WizardHarness::Put(g.box, g.minimum) == g.minimum);
    CHECK(WizardHarness::Put(g.box, "100") == "100");
    CHECK(WizardHarness::Put(g.box, g.maximum) == g.maximum);
    CHECK(WizardHarness::Put(g.box, g.belowMinimum) == g.field);
    CHECK(WizardHarness::Put(g.box, g.aboveMaximum) == g.field);
    CHECK(WizardHarness::Put(g.box, "12x") == g.field);
    CHECK(WizardHarness::Put(g.box, "") == g.field);  // the box cannot be emptied
    CHECK(WizardHarness::Put(g.box, " 1e2 ") == " 1e2 ");
    CHECK(g.box.Text() == WindowTextOf(g.box.hWnd()));
  }
  CHECK(set == before);  // only Finish copies the boxes into the set
}

TEST_CASE("typing into a guarded box checks every keystroke") {
  WizardHarness h;
  h.GoTo(4);
  HWND ttl = h.wizard.txtTTLValue.hWnd();
  SendMessageA(ttl, EM_SETSEL, 0, -1);
  TypeText(ttl, "256");
  CHECK(WindowTextOf(ttl) == "256");
  TypeText(ttl, "7");  // 2567
  CHECK(WindowTextOf(ttl) == "64");  // the set's TTL, recommended on entering the page

  HWND http10 = h.wizard.txtHTTP10Value.hWnd();
  SendMessageA(http10, EM_SETSEL, 0, -1);
  TypeText(http10, "3");
  CHECK(WindowTextOf(http10) == "20");
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
  HWND http10 = h.wizard.txtHTTP10Value.hWnd();
  SendMessageA(http10, EM_SETSEL, 0, -1);
  TypeText(http10, "10");  // "1" is below 4: back to 20, and "0" replaces that
  CHECK(WindowTextOf(http10) == "20");
  DWORD start = 0, end = 0;
  SendMessageA(http10, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
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
