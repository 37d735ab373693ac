#include "ui/SettingsBinding.h"

#include "common/NumberText.h"
#include "common/ProgramName.h"
#include "common/SystemError.h"
#include "common/TextCase.h"
#include "registry/AppSettings.h"
#include "system/Effects.h"

namespace quorvane {

SettingsBinding::SettingsBinding(std::string section, CommandButton& saveButton)
    : section_(std::move(section)), saveButton_(saveButton) {}

SettingsBinding::Entry& SettingsBinding::Add(Control& control, std::string defaultText, Loader load, Saver save) {
  entries_.push_back({control.Name(), std::move(defaultText), std::move(load), std::move(save), nullptr, {}});
  return entries_.back();
}

SettingsBinding::TextRule SettingsBinding::WholeNumber(std::string field, int64_t minimum, int64_t maximum) {
  return {std::move(field),
          [minimum, maximum](const std::string& text) { return BoxWholeNumber(text, minimum, maximum).has_value(); },
          [minimum, maximum] { return WholeNumberRangeText(minimum, maximum); }};
}

std::optional<bool> StoredCheckBoxChecked(const std::string& stored) {
  if (stored != "0" && stored != "1" && stored != "2") return std::nullopt;
  return stored != "0";
}

SettingsBinding& SettingsBinding::Bind(CheckBox& box, std::string defaultText) {
  auto load = [&box](const std::string& stored) {
    const std::optional<bool> checked = StoredCheckBoxChecked(stored);
    if (checked) box.SetValue(*checked ? kChecked : kUnchecked);
    return checked.has_value();
  };
  auto save = [&box] { return std::string(box.Value() == kChecked ? "1" : "0"); };
  Add(box, std::move(defaultText), load, save);
  return *this;
}

SettingsBinding& SettingsBinding::Bind(OptionButton& option, std::string defaultText) {
  auto load = [&option](const std::string& stored) {
    if (!EqualNoCase(stored, "true") && !EqualNoCase(stored, "false")) return false;
    option.SetValue(EqualNoCase(stored, "true"));
    return true;
  };
  auto save = [&option] { return std::string(option.Value() ? "True" : "False"); };
  Add(option, std::move(defaultText), load, save);
  return *this;
}

SettingsBinding& SettingsBinding::Bind(ComboBox& list, std::string defaultText) {
  auto load = [&list](const std::string& stored) {
    const std::optional<int64_t> index = ParseWholeNumber(stored);
    return index && *index >= 0 && *index < list.ListCount() && list.SetListIndex(static_cast<int>(*index));
  };
  auto save = [&list] { return std::to_string(list.ListIndex()); };
  Add(list, std::move(defaultText), load, save);
  return *this;
}

SettingsBinding& SettingsBinding::Bind(TextBox& box, std::string defaultText, TextRule rule) {
  auto load = [&box, accepts = rule.accepts](const std::string& stored) {
    if (!accepts(stored)) return false;
    box.SetText(stored);
    return true;
  };
  auto save = [&box] { return box.Text(); };
  Entry& entry = Add(box, std::move(defaultText), load, save);
  entry.box = &box;
  entry.rule = std::move(rule);
  return *this;
}

void SettingsBinding::Load() {
  for (const Entry& entry : entries_) {
    if (!entry.load(GetAppSetting(section_, entry.valueName, entry.defaultText))) entry.load(entry.defaultText);
  }
}

std::string SettingsBinding::FirstRefusal(TextBox*& box) const {
  for (const Entry& entry : entries_) {
    if (!entry.box || entry.rule.accepts(entry.box->Text())) continue;
    box = entry.box;
    return entry.rule.field + ": " + entry.rule.accepted() + ".";
  }
  return {};
}

SettingsBinding::SaveOutcome SettingsBinding::Save() {
  TextBox* refusedBox = nullptr;
  if (const std::string refusal = FirstRefusal(refusedBox); !refusal.empty()) {
    SetModified(true);
    HWND owner = TopLevelWindowOf(saveButton_.hWnd());
    CurrentEffects().ShowMessageBox(owner, refusal, kProgramName, MB_OK | MB_ICONEXCLAMATION);
    refusedBox->SetFocus();
    refusedBox->SelectAll();
    return {true, {}};
  }
  for (const Entry& entry : entries_) {
    const LONG status = SaveAppSetting(section_, entry.valueName, entry.save());
    if (status != ERROR_SUCCESS) return {false, {{entry.valueName, status}}};
  }
  SetModified(false);
  return {};
}

void SettingsBinding::SetModified(bool modified) {
  modified_ = modified;
  saveButton_.SetEnabled(modified);
}

std::string DescribeSaveFailures(const std::vector<SettingsBinding::SaveFailure>& failures) {
  std::string text;
  for (const auto& failure : failures) {
    if (!text.empty()) text += "\r\n";
    text += "The setting " + failure.valueName + " could not be saved: " + SystemErrorText(failure.error);
  }
  return text;
}

}  // namespace quorvane
