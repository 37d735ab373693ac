// A settings window's controls bound to its section of the program's settings:
// one value per control, named after the control, read and written in the order
// they were bound. Check boxes are stored as "0"/"1", option buttons as the words
// True/False (read in any letter case), list selections as the index, text boxes
// as typed. A stored value the control cannot take loads as the default, so
// loading never fails. The binding also keeps the window's modified flag, which
// the Save button's enabled state mirrors.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/TextBox.h"

namespace quorvane {

class SettingsBinding {
 public:
  // Whether a text box may hold a stored text (a number box refuses letters).
  using TextRule = std::function<bool(const std::string& text)>;

  SettingsBinding(std::string section, CommandButton& saveButton);

  SettingsBinding& Bind(CheckBox& box, std::string defaultText);
  SettingsBinding& Bind(OptionButton& option, std::string defaultText);
  SettingsBinding& Bind(ComboBox& list, std::string defaultText);
  SettingsBinding& Bind(TextBox& box, std::string defaultText, TextRule accepts = {});

  // Puts each stored value (or its default) into its control, in order; setting a
  // control raises its event as a user's change would. The flag is left alone.
  void Load();

  // Writes each control's state, in order. Stops at the first write that fails and
  // says which value and why (the flag stays set); clears the flag when all went well.
  struct SaveFailure {
    std::string valueName;
    long error = 0;  // the system's code
  };
  std::vector<SaveFailure> Save();

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
  };
  SettingsBinding& Add(Control& control, std::string defaultText, Loader load, Saver save);

  std::string section_;
  CommandButton& saveButton_;
  std::vector<Entry> entries_;
  bool modified_ = false;
};

// "The setting chkSound could not be saved: Access denied." for each failure.
std::string DescribeSaveFailures(const std::vector<SettingsBinding::SaveFailure>& failures);

}  // namespace quorvane
