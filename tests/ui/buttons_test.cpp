#include <doctest.h>

#include <string>
#include <vector>

#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/TextBox.h"
#include "ui_test_support.h"

using namespace quorvane;

namespace {

class ButtonsForm : public Form {
 public:
  ButtonsForm() : Form("frmButtons", "Buttons", {6000, 4500}) {
    for (int index = 0; index < 4; ++index)
      optMode.Add(index, frameModes, TwipsRect{120, 240 + index * 300, 1800, 255},
                  "Automatic-" + std::string(1, static_cast<char>('A' + index)), index == 0);
    optMode.Handle(&OptionButton::Click, [this](int index) { log.push_back("optMode(" + std::to_string(index) + ")"); });
    optAuto.Click = [this] { log.push_back("optAuto"); };
    optManual.Click = [this] { log.push_back("optManual"); };
    optPer.Click = [this] { log.push_back("optPer"); };
    chkSound.Click = [this] { log.push_back("chkSound=" + std::to_string(chkSound.Value())); };
    cmdSave.Click = [this] { log.push_back("cmdSave"); };
    cmdCancel.Click = [this] { log.push_back("cmdCancel"); };
    cmdSave.SetDefault(true);
    cmdCancel.SetCancel(true);
  }

  Frame frameModes{*this, "frameModes", {120, 120, 2500, 1500}, "Modes"};
  ControlArray<OptionButton> optMode{"optMode"};
  Frame frameConfigurations{*this, "frameConfigurations", {2800, 120, 3000, 1500}, "Configuration"};
  OptionButton optAuto{frameConfigurations, "optAuto", {120, 240, 2000, 255}, "Automatic Mode", true};
  OptionButton optManual{frameConfigurations, "optManual", {120, 540, 2000, 255}, "Manual Mode"};
  // Option buttons straight on the form are a third group.
  OptionButton optMB{*this, "optMB", {120, 1800, 2000, 255}, "Free RAM in MB", true};
  OptionButton optPer{*this, "optPer", {120, 2100, 2000, 255}, "Percentage of Free RAM"};
  CheckBox chkSound{*this, "chkSound", {2800, 1800, 2500, 255}, "Play &Sound at Ping"};
  TextBox txtPingHost{*this, "txtPingHost", {2800, 2200, 2000, 285}};
  CommandButton cmdSave{*this, "cmdSave", {2800, 3600, 1200, 375}, "Save"};
  CommandButton cmdCancel{*this, "cmdCancel", {4200, 3600, 1200, 375}, "Cancel"};
  std::vector<std::string> log;
};

bool ShownChecked(const Control& control) { return control.Send(BM_GETCHECK) == BST_CHECKED; }

}  // namespace

TEST_CASE("check boxes raise Click for changes by code and by the user") {
  ButtonsForm form;
  CHECK(form.chkSound.SetValue(kChecked));  // designed value before loading: no event
  form.Load();
  CHECK(form.log.empty());
  CHECK(form.chkSound.Send(BM_GETCHECK) == BST_CHECKED);

  CHECK(form.chkSound.SetValue(kChecked));  // no change, no Click
  CHECK(form.chkSound.SetValue(kUnchecked));
  CHECK(form.chkSound.SetValue(kGrayed));
  CHECK(form.chkSound.Send(BM_GETCHECK) == BST_INDETERMINATE);
  CHECK_FALSE(form.chkSound.SetValue(3));  // not a check value: nothing changes
  CHECK(form.chkSound.Value() == kGrayed);
  CHECK(form.log == std::vector<std::string>{"chkSound=0", "chkSound=2"});

  form.log.clear();
  form.chkSound.Send(BM_CLICK);  // grayed -> unchecked
  form.chkSound.Send(BM_CLICK);
  form.chkSound.Send(BM_CLICK);
  CHECK(form.log == std::vector<std::string>{"chkSound=0", "chkSound=1", "chkSound=0"});
  CHECK(form.chkSound.Send(BM_GETCHECK) == BST_UNCHECKED);
}

TEST_CASE("option buttons form one group per container and raise Click when they become set") {
  ButtonsForm form;
  form.Load();
  REQUIRE(form.optMode(0).Value());
  CHECK(ShownChecked(form.optMode(0)));
  CHECK(form.optAuto.Value());
  CHECK(form.optMB.Value());
  CHECK(form.log.empty());

  SUBCASE("set from code") {
    form.optMode(2).SetValue(true);
    CHECK(form.log == std::vector<std::string>{"optMode(2)"});
    CHECK_FALSE(form.optMode(0).Value());
    CHECK_FALSE(ShownChecked(form.optMode(0)));
    CHECK(ShownChecked(form.optMode(2)));
    // The other containers' groups keep their choice.
    CHECK(form.optAuto.Value());
    CHECK(form.optMB.Value());

    form.optMode(2).SetValue(true);  // already set: no Click
    form.optMode(2).SetValue(false);  // clearing raises nothing
    CHECK(form.log.size() == 1);
    CHECK_FALSE(ShownChecked(form.optMode(2)));
  }

  SUBCASE("clicked by the user") {
    form.optManual.Send(BM_CLICK);
    form.optManual.Send(BM_CLICK);  // set already: no second Click
    form.optPer.Send(BM_CLICK);
    form.optMode(3).Send(BM_CLICK);
    CHECK(form.log == std::vector<std::string>{"optManual", "optPer", "optMode(3)"});
    CHECK_FALSE(form.optAuto.Value());
    CHECK_FALSE(ShownChecked(form.optAuto));
    CHECK_FALSE(form.optMB.Value());
    CHECK(form.optMode(3).Value());
    CHECK_FALSE(form.optMode(0).Value());
  }

  SUBCASE("Tab reaches each group at its set button") {
    CHECK((testing::StyleOf(form.optMode(0).hWnd()) & WS_TABSTOP) != 0);
    CHECK((testing::StyleOf(form.optMode(1).hWnd()) & WS_TABSTOP) == 0);
    form.optMode(1).SetValue(true);
    CHECK((testing::StyleOf(form.optMode(0).hWnd()) & WS_TABSTOP) == 0);
    CHECK((testing::StyleOf(form.optMode(1).hWnd()) & WS_TABSTOP) != 0);
  }
}

TEST_CASE("control arrays: elements by index, one handler for all, elements added after loading") {
  ButtonsForm form;
  CHECK(form.optMode.Count() == 4);
  CHECK(form.optMode.LBound() == 0);
  CHECK(form.optMode.UBound() == 3);
  CHECK(form.optMode(2).Name() == "optMode");
  CHECK(form.optMode(2).Index() == 2);
  CHECK(form.optMode(2).DisplayName() == "optMode(2)");
  CHECK(form.FindControl("optMode", 3) == &form.optMode(3));
  CHECK(form.FindControl("optMode") == nullptr);  // the array as such is no control
  CHECK_THROWS_AS(form.optMode(9), std::out_of_range);
  CHECK_THROWS_AS(form.optMode.Add(1, form.frameModes, TwipsRect{}, "again"), std::invalid_argument);

  form.Load();
  OptionButton& late = form.optMode.Add(7, form.frameModes, TwipsRect{1500, 240, 900, 255}, "Windows default");
  REQUIRE(late.hWnd() != nullptr);
  CHECK(GetParent(late.hWnd()) == form.frameModes.hWnd());
  late.Send(BM_CLICK);
  CHECK(form.log == std::vector<std::string>{"optMode(7)"});
  CHECK_FALSE(form.optMode(0).Value());  // the new element joined the frame's group

  form.optMode.Remove(7);
  CHECK(form.FindControl("optMode", 7) == nullptr);
  CHECK(form.optMode.UBound() == 3);
}

TEST_CASE("command buttons: clicks, Enter presses the default button, Escape the cancel button") {
  ButtonsForm form;
  form.Load();
  form.cmdSave.Send(BM_CLICK);
  CHECK(form.log == std::vector<std::string>{"cmdSave"});
  CHECK((testing::StyleOf(form.cmdSave.hWnd()) & 0x0F) == BS_DEFPUSHBUTTON);

  form.log.clear();
  PostMessageA(form.txtPingHost.hWnd(), WM_KEYDOWN, VK_RETURN, 1);
  PostMessageA(form.txtPingHost.hWnd(), WM_KEYDOWN, VK_ESCAPE, 1);
  testing::PumpUntil([&] { return form.log.size() >= 2; }, 1000);
  CHECK(form.log == std::vector<std::string>{"cmdSave", "cmdCancel"});

  form.log.clear();
  form.cmdSave.SetEnabled(false);
  PostMessageA(form.txtPingHost.hWnd(), WM_KEYDOWN, VK_RETURN, 1);
  testing::PumpUntil([] { return false; }, 100);
  CHECK(form.log.empty());  // a disabled default button is not pressed
}
