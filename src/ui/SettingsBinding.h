// A settings window's controls bound to its section of the program's settings:
// one value per control, named after the control, read and written in the order
// they were bound. Check boxes are stored as "0"/"1", option buttons as the words
// True/False (read in any letter case), list selections as the index, text boxes
// as typed. A text box has one rule (grammar and range) for loading and saving:
// a stored value the control cannot take loads as the default, so loading never
// fails, and Save writes nothing while a box holds text its rule refuses. The
// binding also keeps the window's modified flag, which the Save button's enabled
// state mirrors.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/TextBox.h"

namespace quorvane {

class SettingsBinding {
 public:
  // What a text box may hold, and how a refusal is told: "<field>: <accepted>."
  struct TextRule {
    std::string field;  // as the window labels the box
    std::function<bool(const std::string& text)> accepts;
    std::function<std::string()> accepted;  // "a whole number from 0 to 20"
  };
  // Digits only, from minimum to maximum (common/NumberText's BoxWholeNumber).
  static TextRule WholeNumber(std::string field, int64_t minimum, int64_t maximum);

  SettingsBinding(std::string section, CommandButton& saveButton);

  SettingsBinding& Bind(CheckBox& box, std::string defaultText);
  SettingsBinding& Bind(OptionButton& option, std::string defaultText);
  SettingsBinding& Bind(ComboBox& list, std::string defaultText);
  SettingsBinding& Bind(TextBox& box, std::string defaultText, TextRule rule);

  // Puts each stored value (or its default) into its control, in order; setting a
  // control raises its event as a user's change would. The flag is left alone.
  void Load();

  // Checks every box against its rule first: at the first refusal nothing is
  // written, the person is told the field and what it accepts, the box gets the
  // focus and the flag stays set. Otherwise writes each control's state, in order,
  // stopping at the first write that fails (which value and why; the flag stays
  // set), and clears the flag when all went well.
  struct SaveFailure {
    std::string valueName;
    long error = 0;  // the system's code
  };
  struct SaveOutcome {
    bool refused = false;  // a box's text was refused: nothing was written
    std::vector<SaveFailure> failures;
    bool Saved() const { return !refused && failures.empty(); }
  };
  SaveOutcome Save();

  void SetModified(bool modified);
  bool Modified() const { return modified_; }

  const std::string& Section() const { return section_; }

 private:
  using Loader = std::function<bool(const std::string& stored)>;  // false: the control cannot take it
  using Saver = std::function<std::string()>;
  struct Entry {
    std::string valueName;
    std::string defaultText;
    Loader load;
    Saver save;
    TextBox* box = nullptr;  // text boxes only, with their rule
    TextRule rule;
  };
  Entry& Add(Control& control, std::string defaultText, Loader load, Saver save);
  // "Times to retry optimization: a whole number from 0 to 20." for the first box
  // whose text its rule refuses, and that box; empty when all are accepted.
  std::string FirstRefusal(TextBox*& box) const;

  std::string section_;
  CommandButton& saveButton_;
  std::vector<Entry> entries_;
  bool modified_ = false;
};

// "The setting chkSound could not be saved: Access denied." for each failure.
// A check box's stored text: "1" and "2" (a grayed box, written by other tools)
// check it, "0" clears it, anything else is no value (the default holds).
std::optional<bool> StoredCheckBoxChecked(const std::string& stored);

std::string DescribeSaveFailures(const std::vector<SettingsBinding::SaveFailure>& failures);

}  // namespace quorvane
