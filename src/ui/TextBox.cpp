#include "ui/TextBox.h"

namespace quorvane {

TextBox::TextBox(Container& container, ControlName name, const TwipsRect& place, std::string text,
                 TextBoxOptions options)
    : Control(container, ControlKind::TextBox, std::move(name), place), text_(std::move(text)), options_(options) {}

void TextBox::CreateControlWindow(HWND parent, int id) {
  DWORD style = WS_TABSTOP | WS_GROUP | ES_LEFT;
  if (options_.multiLine) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (options_.verticalScrollBar) style |= WS_VSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (options_.password) style |= ES_PASSWORD;
  if (options_.locked) style |= ES_READONLY;
  if (options_.digitsOnly) style |= ES_NUMBER;
  if (MakeChildWindow("EDIT", text_, style, WS_EX_CLIENTEDGE, parent, id) && options_.maxLength > 0)
    Send(EM_LIMITTEXT, static_cast<WPARAM>(options_.maxLength));
}

void TextBox::SetText(std::string text) {
  if (!hWnd()) {
    text_ = std::move(text);  // the designed text: no event before the form loads
    return;
  }
  if (text == text_) return;
  SetWindowTextA(hWnd(), text.c_str());  // WM_SETTEXT: AfterOwnMessage raises Change
}

void TextBox::SetLocked(bool locked) {
  options_.locked = locked;
  Send(EM_SETREADONLY, locked);
}

void TextBox::SelectAll() { Send(EM_SETSEL, 0, -1); }

void TextBox::PutBack(std::string text) {
  SetText(std::move(text));
  SelectAll();
}

std::string TextBox::WindowText() const {
  int length = GetWindowTextLengthA(hWnd());
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(hWnd(), text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

bool TextBox::OnCommand(UINT code) {
  if (code != EN_CHANGE) return false;
  if (settingText_ == 0) NoteTextChange();  // the user's edit
  return true;
}

bool TextBox::BeforeOwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message == WM_SETTEXT) ++settingText_;
  // Control characters (Backspace, Ctrl+Backspace, Ctrl+V) still reach the box. Not
  // every edit control beeps for ES_NUMBER, so the refusal is made here.
  const bool printable = wParam >= 0x20 && wParam != 0x7F;
  if (message == WM_CHAR && options_.digitsOnly && printable && (wParam < '0' || wParam > '9')) {
    MessageBeep(MB_OK);
    *result = 0;
    return true;
  }
  return false;
}

void TextBox::AfterOwnMessage(UINT message, WPARAM, LPARAM) {
  if (message != WM_SETTEXT) return;
  --settingText_;
  // Single-line boxes announce WM_SETTEXT with EN_CHANGE, multi-line ones do
  // not; either way the change is noticed here, once the box is consistent.
  NoteTextChange();
}

void TextBox::NoteTextChange() {
  std::string current = WindowText();
  if (current == text_) return;
  text_ = std::move(current);
  if (changeDepth_ >= kMaxChangeNesting) return;
  struct Depth {
    int& depth;
    ~Depth() { --depth; }
  } depth{++changeDepth_};
  Change.Raise(*this);
}

}  // namespace quorvane
