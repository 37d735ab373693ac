// A text box. Change is raised on every change of its text, whether the user
// typed it or the program set it (also by a message sent to the box from
// outside), and never for an assignment of the text it already holds. A Change
// handler that sets the box's text again raises Change once more, inside the
// assignment, as classic forms do.
#pragma once

#include <string>

#include "ui/Control.h"

namespace quorvane {

struct TextBoxOptions {
  bool multiLine = false;
  bool verticalScrollBar = false;  // multi-line boxes only
  bool password = false;
  bool locked = false;  // read-only
  int maxLength = 0;    // 0: no limit
  // A number box: a typed character that cannot be part of a whole number is
  // refused with a beep, as Windows' own number boxes do (pasted text is not).
  bool digitsOnly = false;
};

inline constexpr TextBoxOptions kNumberBox{.digitsOnly = true};

class TextBox : public Control {
 public:
  TextBox(Container& container, ControlName name, const TwipsRect& place, std::string text = {},
          TextBoxOptions options = {});

  const std::string& Text() const { return text_; }
  // Raises Change when the text differs from the one the box holds.
  void SetText(std::string text);

  void SetLocked(bool locked);
  bool Locked() const { return options_.locked; }
  void SelectAll();
  // A guard's replacement of refused text: set and left selected, so the next
  // key typed replaces it instead of going in front of it.
  void PutBack(std::string text);

  Event<> Change;

  // How deep Change handlers may nest by setting the box's own text again. A
  // handler that never settles would otherwise exhaust the stack; past this
  // depth the text still changes, but no further Change is raised.
  static constexpr int kMaxChangeNesting = 32;

 private:
  void CreateControlWindow(HWND parent, int id) override;
  void AfterDestroy() override { settingText_ = 0; }
  bool OnCommand(UINT code) override;
  bool BeforeOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void AfterOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Compares the window's text with the last one known and raises Change.
  void NoteTextChange();
  std::string WindowText() const;

  std::string text_;
  TextBoxOptions options_;
  int settingText_ = 0;   // WM_SETTEXT in progress: its EN_CHANGE waits for the end
  int changeDepth_ = 0;
};

}  // namespace quorvane
