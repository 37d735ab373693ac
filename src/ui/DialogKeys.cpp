#include "ui/DialogKeys.h"

#include "common/Mnemonic.h"
#include "ui/Form.h"

namespace quorvane {

namespace {

bool IsPushButton(UINT dialogCode) {
  return (dialogCode & DLGC_BUTTON) && (dialogCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
}

// Each form from the one holding the window outwards to the top-level one.
template <typename Ask>
bool AskFormsOutwards(HWND window, Ask ask) {
  for (HWND hwnd = window; hwnd; hwnd = GetParent(hwnd)) {
    if (Form* form = Form::FromHandle(hwnd); form && ask(*form)) return true;
    if (!(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD)) break;
  }
  return false;
}

bool PressEnter(HWND focus) {
  if (IsPushButton(static_cast<UINT>(SendMessageA(focus, WM_GETDLGCODE, VK_RETURN, 0)))) {
    SendMessageA(focus, BM_CLICK, 0, 0);
    return true;
  }
  return AskFormsOutwards(focus, [](Form& form) { return form.PressDefaultButton(); });
}

struct MnemonicSearch {
  char letter;
  bool found = false;
};

BOOL CALLBACK FindMnemonic(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<MnemonicSearch*>(context);
  if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  if (!(SendMessageA(window, WM_GETDLGCODE, 0, 0) & (DLGC_BUTTON | DLGC_STATIC))) return TRUE;
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  search->found = HasMnemonic(text, search->letter);
  return !search->found;
}

// Alt+letter: a control of that letter in sight comes first (the dialog
// manager presses it); else the top-level form may have a use for the letter.
bool PressFormMnemonic(HWND root, char letter) {
  MnemonicSearch search{letter};
  EnumChildWindows(root, &FindMnemonic, reinterpret_cast<LPARAM>(&search));
  if (search.found) return false;
  Form* form = Form::FromHandle(root);
  return form && form->OnMnemonic(letter);
}

}  // namespace

bool HandledAsDialogKey(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
  HWND root = TopLevelWindowOf(message.hwnd);
  if (!root) return false;
  if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE) &&
      Form::FromHandle(root)) {
    // The dialog manager would send these to the top-level window only, which
    // knows neither the focused button nor the hosted form's own buttons.
    auto code = static_cast<UINT>(SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam,
                                               reinterpret_cast<LPARAM>(&message)));
    if (code & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) return false;
    if (message.wParam == VK_RETURN) PressEnter(message.hwnd);
    else AskFormsOutwards(message.hwnd, [](Form& form) { return form.OnEscape(); });
    return true;
  }
  if (message.message == WM_SYSCHAR && PressFormMnemonic(root, static_cast<char>(message.wParam))) return true;
  const HWND focusBefore = GetFocus();
  const bool handled = IsDialogMessageA(root, &message) != FALSE;
  if (message.message == WM_KEYDOWN && message.wParam >= VK_LEFT && message.wParam <= VK_DOWN) {
    // An arrow that moved to another option button of the group sets it, as
    // the system does for its automatic ones (ours let the program decide).
    HWND focus = GetFocus();
    if (focus != focusBefore && focus &&
        (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) &&
        SendMessageA(focus, BM_GETCHECK, 0, 0) != BST_CHECKED)
      SendMessageA(focus, BM_CLICK, 0, 0);
  }
  return handled;
}

HWND FirstTabStopIn(HWND window) {
  HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
  return first && first != window && IsChild(window, first) ? first : nullptr;
}

void MoveFocusAwayFrom(HWND window) {
  HWND focus = GetFocus();
  if (!window || !focus || (focus != window && !IsChild(window, focus))) return;
  HWND root = TopLevelWindowOf(window);
  // Back to the control before it: a Save that disables itself once done
  // leaves the keyboard in its own window.
  HWND next = root ? GetNextDlgTabItem(root, window, TRUE) : nullptr;
  SetFocus(next && next != window && !IsChild(window, next) ? next : root);
}

}  // namespace quorvane
