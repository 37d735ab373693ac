#include <doctest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/Menu.h"
#include "ui/MessageLoop.h"
#include "ui/Timer.h"
#include "ui/WindowlessTimer.h"
#include "ui_test_support.h"

using namespace quorvane;
using testing::PumpUntil;

namespace {

class TimersForm : public Form {
 public:
  TimersForm() : Form("frmTimers", "Timers", {3000, 2000}, FormOptions{.border = FormBorder::None}) {
    tmrCPU.Tick = [this] { ++cpuTicks; };
    tmrPinger.Tick = [this] { ++pingerTicks; };
    tmrAlarm.Tick = [this] { tmrAlarm_Timer(); };
  }

  // Like the alarm: pending messages are handled in the middle of the work.
  void tmrAlarm_Timer() {
    ++alarmDepth;
    maxAlarmDepth = std::max(maxAlarmDepth, alarmDepth);
    ++alarmTicks;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 60) {
      DoEvents();
      Sleep(5);
    }
    --alarmDepth;
  }

  Timer tmrCPU{*this, "tmrCPU", 10};
  Timer tmrPinger{*this, "tmrPinger", 65535, false};
  Timer tmrAlarm{*this, "tmrAlarm", 0};
  Timer tmrClose{*this, "tmrClose", 0};
  int cpuTicks = 0;
  int pingerTicks = 0;
  int alarmTicks = 0;
  int alarmDepth = 0;
  int maxAlarmDepth = 0;
};

class TrayMenuForm : public Form {
 public:
  TrayMenuForm() : Form("frmMain", "Menus", {3000, 2000}) {
    mnuMainWindow.Click = [this] { chosen.push_back("mnuMainWindow"); };
    mnuHelp.Click = [this] { chosen.push_back("mnuHelp"); };
    mnuExit.Click = [this] { chosen.push_back("mnuExit"); };
    // Keys typed once the menu is open: its own loop reads them.
    tmrKeys.Tick = [this] {
      tmrKeys.SetEnabled(false);
      for (WPARAM key : keys) {
        PostMessageA(hWnd(), WM_KEYDOWN, key, 1);
        PostMessageA(hWnd(), WM_KEYUP, key, 0xC0000001);
      }
    };
    // Should the keys go astray, the menu still closes and the test fails.
    tmrSafety.Tick = [] { EndMenu(); };
  }

  Menu mnuPopup{*this, "mnuPopup", "Popup Menu"};
  MenuItem mnuMainWindow{mnuPopup, "mnuMainWindow", "Main Window"};
  MenuItem mnuHelp{mnuPopup, "mnuHelp", "&Help"};
  MenuItem mnuSep1{mnuPopup, "mnuSep1", "-"};
  MenuItem mnuExit{mnuPopup, "mnuExit", "&Exit"};
  Timer tmrKeys{*this, "tmrKeys", 100, false};
  Timer tmrSafety{*this, "tmrSafety", 3000};
  std::vector<WPARAM> keys;
  std::vector<std::string> chosen;
};

}  // namespace

TEST_CASE("timers tick while enabled with an interval, on a hidden form too") {
  TimersForm form;
  CHECK_FALSE(form.tmrCPU.Running());  // not before the form loads
  form.Load();
  CHECK(form.tmrCPU.Running());
  CHECK_FALSE(form.tmrPinger.Running());  // disabled
  CHECK_FALSE(form.tmrAlarm.Running());   // interval 0
  CHECK(PumpUntil([&] { return form.cpuTicks >= 3; }));

  form.tmrCPU.SetEnabled(false);
  CHECK_FALSE(form.tmrCPU.Running());
  int ticks = form.cpuTicks;
  PumpUntil([] { return false; }, 80);
  CHECK(form.cpuTicks == ticks);

  form.tmrPinger.SetEnabled(true);
  CHECK(form.tmrPinger.Running());
  CHECK(form.tmrPinger.Interval() == 65535);
  form.tmrPinger.SetInterval(0);
  CHECK_FALSE(form.tmrPinger.Running());
  CHECK(form.tmrPinger.Enabled());

  // Tests call a handler straight away, whatever the timer's state.
  form.tmrPinger.Fire();
  CHECK(form.pingerTicks == 1);

  form.tmrCPU.SetEnabled(true);
  form.Unload();
  CHECK_FALSE(form.tmrCPU.Running());
  form.Load();
  CHECK(form.tmrCPU.Running());
}

TEST_CASE("a tick that comes while the same timer's handler still runs is skipped, not nested") {
  TimersForm form;
  form.Load();
  form.tmrAlarm.SetInterval(10);
  CHECK(PumpUntil([&] { return form.alarmTicks >= 3; }));
  form.tmrAlarm.SetEnabled(false);
  CHECK(form.maxAlarmDepth == 1);
}

TEST_CASE("a window-less timer ticks through the thread's loop, two at once each their own, and stops") {
  int fast = 0, slow = 0, depth = 0, deepest = 0;
  WindowlessTimer slowTimer([&] { ++slow; });
  WindowlessTimer fastTimer([&] {
    ++fast;
    deepest = std::max(deepest, ++depth);
    PumpUntil([] { return false; }, 30);  // handles messages mid-tick, as the alarm does
    --depth;
  });
  fastTimer.Start(10);
  slowTimer.Start(65535);
  CHECK(PumpUntil([&] { return fast >= 3; }));
  CHECK(deepest == 1);
  CHECK(slow == 0);
  fastTimer.Stop();
  CHECK_FALSE(fastTimer.Running());
  const int ticks = fast;
  PumpUntil([] { return false; }, 60);
  CHECK(fast == ticks);
  slowTimer.Start(0);
  CHECK_FALSE(slowTimer.Running());
}

TEST_CASE("a pop-up menu raises the Click of the item chosen; separators, hidden and disabled items are never chosen") {
  TrayMenuForm form;
  form.Load();
  CHECK(form.mnuPopup.Items().size() == 4);
  CHECK(form.mnuSep1.IsSeparator());
  CHECK(form.FindControl("mnuExit") == &form.mnuExit);
  CHECK(form.mnuExit.Kind() == ControlKind::MenuItem);

  SUBCASE("the third selectable item") {
    form.keys = {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};
    form.tmrKeys.SetEnabled(true);
    CHECK(form.mnuPopup.Popup(POINT{100, 100}));
    CHECK(form.chosen == std::vector<std::string>{"mnuExit"});
  }

  SUBCASE("a hidden item is left out") {
    form.mnuHelp.SetVisible(false);
    form.keys = {VK_DOWN, VK_DOWN, VK_RETURN};
    form.tmrKeys.SetEnabled(true);
    form.PopupMenu(form.mnuPopup, POINT{100, 100});
    CHECK(form.chosen == std::vector<std::string>{"mnuExit"});
  }

  SUBCASE("a disabled item cannot be chosen") {
    form.mnuHelp.SetEnabled(false);
    form.keys = {VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE};
    form.tmrKeys.SetEnabled(true);
    CHECK_FALSE(form.mnuPopup.Popup(POINT{100, 100}));
    CHECK(form.chosen.empty());
  }

  SUBCASE("Escape chooses nothing") {
    form.keys = {VK_ESCAPE};
    form.tmrKeys.SetEnabled(true);
    CHECK_FALSE(form.mnuPopup.Popup(POINT{100, 100}));
    CHECK(form.chosen.empty());
  }
}

TEST_CASE("a modal form keeps the other windows from input until it is hidden") {
  TimersForm owner;
  testing::ShowQuietly(owner);
  TimersForm modal;
  bool ownerEnabledMeanwhile = true;
  modal.tmrClose.Tick = [&] {
    ownerEnabledMeanwhile = IsWindowEnabled(owner.hWnd()) != FALSE;
    modal.Hide();
  };
  modal.tmrClose.SetInterval(30);
  modal.ShowModal();
  CHECK_FALSE(ownerEnabledMeanwhile);
  CHECK(IsWindowEnabled(owner.hWnd()));
  CHECK_FALSE(modal.Visible());
  CHECK(modal.IsLoaded());
}
