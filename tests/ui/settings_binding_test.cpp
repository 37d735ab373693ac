// Controls bound to a settings section, against Wine's real registry.
#include <doctest.h>

#include "support/RegistryFixture.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/SettingsBinding.h"
#include "ui/ui_test_support.h"

namespace {

const std::string kSection = "SOFTWARE\\Kestavo\\QuorvaneTest\\Settings\\Binding";

class SettingsForm : public quorvane::Form {
 public:
  SettingsForm() : Form("frmSettingsTest", "Settings", {4000, 3000}) {
    binding.Bind(chkOn, "0").Bind(optA, "true").Bind(optB, "false").Bind(cmbPick, "1").Bind(txtHost, "host",
        {"Host", [](const std::string& text) { return !text.empty() && text.find(' ') == std::string::npos; },
         [] { return "no blanks"; }});
  }
  quorvane::CommandButton cmdSave{*this, "cmdSave", {120, 2400, 1200, 375}, "&Save"};
  quorvane::CheckBox chkOn{*this, "chkOn", {120, 120, 1500, 240}, "On"};
  quorvane::OptionButton optA{*this, "optA", {120, 480, 1500, 240}, "A"};
  quorvane::OptionButton optB{*this, "optB", {120, 840, 1500, 240}, "B"};
  quorvane::ComboBox cmbPick{*this, "cmbPick", {120, 1200, 1500, 300}, {"one", "two", "three"}};
  quorvane::TextBox txtHost{*this, "txtHost", {120, 1680, 1500, 300}};
  quorvane::SettingsBinding binding{kSection, cmdSave};
};

struct CleanSection {
  CleanSection() { Clean(); }
  ~CleanSection() { Clean(); }
  static void Clean() {
    testing::AllowAllAccess(HKEY_LOCAL_MACHINE, kSection);
    testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kestavo\\QuorvaneTest");
  }
};

std::string Stored(const std::string& name) {
  auto value = testing::ReadRaw(HKEY_LOCAL_MACHINE, kSection, name);
  if (!value) return "<missing>";
  return (value->type == REG_SZ ? "" : "<not REG_SZ>") + std::string(value->data.c_str());
}

}  // namespace

TEST_CASE("a binding loads defaults, saves each control in its stored form, and keeps the Save button") {
  CleanSection clean;
  SettingsForm form;
  form.Load();
  form.binding.Load();
  CHECK(form.chkOn.Value() == quorvane::kUnchecked);
  CHECK(form.optA.Value());
  CHECK_FALSE(form.optB.Value());
  CHECK(form.cmbPick.ListIndex() == 1);
  CHECK(form.txtHost.Text() == "host");
  CHECK_FALSE(testing::KeyExists(HKEY_LOCAL_MACHINE, kSection));  // loading writes nothing

  form.chkOn.SetValue(quorvane::kChecked);
  form.optB.SetValue(true);
  form.cmbPick.SetListIndex(2);
  form.txtHost.SetText("127.0.0.1");
  form.binding.SetModified(true);
  CHECK(IsWindowEnabled(form.cmdSave.hWnd()));
  CHECK(form.binding.Save().Saved());
  CHECK_FALSE(IsWindowEnabled(form.cmdSave.hWnd()));
  CHECK(Stored("chkOn") == "1");
  CHECK(Stored("optA") == "False");
  CHECK(Stored("optB") == "True");
  CHECK(Stored("cmbPick") == "2");
  CHECK(Stored("txtHost") == "127.0.0.1");

  SettingsForm again;
  again.Load();
  again.binding.Load();
  CHECK(again.chkOn.Value() == quorvane::kChecked);
  CHECK(again.optB.Value());
  CHECK(again.cmbPick.ListIndex() == 2);
  CHECK(again.txtHost.Text() == "127.0.0.1");
}

TEST_CASE("a stored value its control cannot take loads as the default; words in any letter case are taken") {
  CleanSection clean;
  struct Case {
    const char* name;
    const char* stored;
    const char* shown;  // what the control then holds, as it would be saved
  };
  const Case cases[] = {
      {"chkOn", "1", "1"},       {"chkOn", "2", "1"},       {"chkOn", "yes", "0"},     {"chkOn", "", "0"},
      {"optA", "FALSE", "False"}, {"optA", "maybe", "True"}, {"cmbPick", "0", "0"},    {"cmbPick", "3", "1"},
      {"cmbPick", "-1", "1"},    {"cmbPick", "1x", "1"},    {"txtHost", "a b", "host"}, {"txtHost", "x.y", "x.y"},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    CAPTURE(c.stored);
    testing::WriteText(HKEY_LOCAL_MACHINE, kSection, c.name, c.stored);
    SettingsForm form;
    form.Load();
    form.binding.Load();
    CHECK(form.binding.Save().Saved());
    CHECK(Stored(c.name) == c.shown);
    CleanSection::Clean();
  }
}

TEST_CASE("a save that cannot write says which value and why, and Save stays enabled") {
  CleanSection clean;
  SettingsForm form;
  form.Load();
  form.binding.Load();
  REQUIRE(form.binding.Save().Saved());
  REQUIRE(testing::DenyWriteAccess(HKEY_LOCAL_MACHINE, kSection));
  form.binding.SetModified(true);
  const auto failures = form.binding.Save().failures;
  REQUIRE(failures.size() == 1);
  CHECK(failures[0].valueName == "chkOn");
  CHECK(failures[0].error == ERROR_ACCESS_DENIED);
  CHECK(form.binding.Modified());
  CHECK(IsWindowEnabled(form.cmdSave.hWnd()));
  CHECK(quorvane::DescribeSaveFailures(failures).find("chkOn could not be saved: ") != std::string::npos);
}
