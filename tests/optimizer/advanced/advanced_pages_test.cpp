// The advanced wizard's pages driven through its buttons: which page shows, the
// Next caption, Back's state, and what entering each page puts into the set.
#include <doctest.h>

#include "wizard_harness.h"

using namespace quorvane;
using testing::WindowTextOf;
using testing::WizardHarness;

TEST_CASE("the page table through a full pass, Finish and a second pass") {
  WizardHarness h;
  struct Row {
    int page;
    const char* next;
    bool back;
  };
  auto check = [&](const Row& row) {
    CAPTURE(row.page);
    CHECK(h.wizard.CurrentPage() == row.page);
    CHECK(h.VisiblePage() == row.page);
    CHECK(h.NextCaption() == row.next);
    CHECK(h.BackEnabled() == row.back);
  };
  check({0, "Next>>", false});
  for (int page = 1; page <= 6; ++page) {
    h.Next();
    check({page, "Next>>", true});
  }
  h.Next();
  check({7, "Finish", true});

  h.Back();  // Back always restores "Next>>"
  check({6, "Next>>", true});
  h.Next();
  check({7, "Finish", true});

  h.Next();  // Finish
  check({0, "Next", false});
  CHECK(h.MovieInFront());

  // The second pass keeps "Next" until Back or the last page changes it.
  h.Next();
  check({1, "Next", true});
  h.Next();
  check({2, "Next", true});
  h.Back();
  check({1, "Next>>", true});
  h.Back();
  check({0, "Next>>", false});
  for (int page = 1; page <= 7; ++page) h.Next();
  check({7, "Finish", true});
}

TEST_CASE("the MTU page shows the chosen connection type's recommendations") {
  WizardHarness h;
  struct Case {
    int type;
    const char *mtu, *mtuLabel, *mss, *mssLabel;
  };
  for (Case c : {Case{1, "1500", "1500 Byte", "1460", "1460 Byte"}, Case{2, "1492", "1492 Byte", "1452", "1452Byte"},
                 Case{3, "1500", "1500 Byte", "1460", "1460 Byte"}, Case{0, "576", "576 Byte", "536", "536 Byte"}}) {
    CAPTURE(c.type);
    CurrentSettings.MTU = 1;
    WizardHarness::Click(h.wizard.optConnType(c.type));
    CHECK(h.wizard.ChosenConnectionType() == c.type);
    CHECK(CurrentSettings.MTU == 1);  // choosing alone recommends nothing yet
    h.Next();
    CHECK(WindowTextOf(h.wizard.txtMTUValue.hWnd()) == c.mtu);
    CHECK(WindowTextOf(h.wizard.txtMSSValue.hWnd()) == c.mss);
    CHECK(WindowTextOf(h.wizard.lblMTURecValue.hWnd()) == c.mtuLabel);
    CHECK(WindowTextOf(h.wizard.lblMSSRecVaklue.hWnd()) == c.mssLabel);
    CHECK(std::to_string(CurrentSettings.MTU) == c.mtu);
    CHECK(std::to_string(CurrentSettings.MSS) == c.mss);
    h.Back();
  }
}

TEST_CASE("entering each page puts its recommendations into the set, and Back undoes nothing") {
  WizardHarness h;
  TcpSettings& set = CurrentSettings;
  set.PMTUDiscovery = false;
  set.BlackHoleDetect = true;
  set.TTL = 1;
  set.MaxConn10 = set.MaxConn11 = 5;
  set.KeepAliveTime = set.KeepAliveInterval = 7;
  set.SYNProtect = 0;
  set.NDICacheSize = 64;
  set.ICMPRedirect = true;

  h.GoTo(3);
  CHECK(set.PMTUDiscovery);
  CHECK_FALSE(set.BlackHoleDetect);
  CHECK(WindowTextOf(h.wizard.txtMSSRWINValue.hWnd()) == "536");
  CHECK(WindowTextOf(h.wizard.txtMultiplier.hWnd()) == "3");
  CHECK(WindowTextOf(h.wizard.txtScaleFactor.hWnd()) == "4");
  CHECK(WindowTextOf(h.wizard.txtRWIN.hWnd()) == "6432");
  CHECK(WindowTextOf(h.wizard.lblRWINRecValue.hWnd()) == "6432Bytes");
  CHECK(set.RWIN == 6432);
  CHECK(set.TTL == 1);

  h.GoTo(4);
  CHECK(set.TTL == 64);
  CHECK(set.MaxConn10 == 20);
  CHECK(set.MaxConn11 == 20);
  h.GoTo(5);
  CHECK(set.KeepAliveTime == 7200000);
  CHECK(set.KeepAliveInterval == 1000);
  h.GoTo(6);
  CHECK(set.SYNProtect == 2);
  CHECK(set.NDICacheSize == 0);
  h.GoTo(7);
  CHECK_FALSE(set.ICMPRedirect);

  TcpSettings entered = set;
  for (int i = 0; i < 7; ++i) h.Back();
  CHECK(h.wizard.CurrentPage() == 0);
  CHECK(set == entered);
}

TEST_CASE("a cable connection recommends a receive window of 256960") {
  WizardHarness h;
  WizardHarness::Click(h.wizard.optConnType(1));
  h.GoTo(3);
  CHECK(WindowTextOf(h.wizard.txtMultiplier.hWnd()) == "44");
  CHECK(WindowTextOf(h.wizard.txtRWIN.hWnd()) == "256960");
  CHECK(CurrentSettings.RWIN == 256960);
}

TEST_CASE("the SYN page greys the level on Windows 10 and says why; on XP it offers the levels") {
  struct Case {
    WindowsRelease release;
    bool offered;
  };
  for (const Case& c : {Case{{2, 5, 1, 2600}, true}, Case{{2, 10, 0, 19045}, false}}) {
    CAPTURE(c.offered);
    WizardHarness h;
    SetRunningRelease(c.release);
    h.GoTo(6);
    CHECK((IsWindowEnabled(h.wizard.txtSYNValue.hWnd()) != FALSE) == c.offered);
    CHECK((IsWindowVisible(h.wizard.lblSYNLevel2.hWnd()) != FALSE) == c.offered);
    CHECK((IsWindowVisible(h.wizard.lblSYNNotUsed.hWnd()) != FALSE) == !c.offered);
    CHECK(WindowTextOf(h.wizard.lblSYNNotUsed.hWnd()).empty() == c.offered);
  }
}
