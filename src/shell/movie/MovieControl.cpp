#include "shell/movie/MovieControl.h"

#include <commctrl.h>

#include <algorithm>
#include <tuple>

#include "common/Mnemonic.h"
#include "shell/movie/MovieAccessible.h"
#include "shell/movie/MovieSceneFile.h"
#include "shell/movie/MovieSceneScale.h"
#include "ui/MessageIds.h"
#include "ui/Screen.h"

namespace quorvane {

namespace {

// Where the control reaches past the scene (the window is larger than the face
// was drawn for), the scene's last column and row carry on, so its backdrop
// meets the window's edges whatever skin the window wears.
void ExtendSceneEdges(HDC dc, int sceneWidth, int sceneHeight, SIZE size) {
  if (sceneWidth <= 0 || sceneHeight <= 0) return;
  if (size.cx > sceneWidth)
    StretchBlt(dc, sceneWidth, 0, size.cx - sceneWidth, sceneHeight, dc, sceneWidth - 1, 0, 1, sceneHeight, SRCCOPY);
  if (size.cy > sceneHeight)
    StretchBlt(dc, 0, sceneHeight, size.cx, size.cy - sceneHeight, dc, 0, sceneHeight - 1, size.cx, 1, SRCCOPY);
}

}  // namespace

bool MovieControl::Create(HWND parent, int x, int y, int width, int height) {
  CreateParams params;
  params.className = "QuorvaneMovie";
  params.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;
  params.x = x;
  params.y = y;
  params.width = width;
  params.height = height;
  params.parent = parent;
  if (!CreateHandle(params)) return false;
  toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWnd(), nullptr, GetModuleHandleA(nullptr),
                             nullptr);
  UpdateToolTips();
  return true;
}

// One tool per button with a tip, by its index among the active buttons: the
// icon-only buttons say what they do.
void MovieControl::UpdateToolTips() {
  if (!toolTip_) return;
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;  // the size every comctl32 version accepts
  tool.hwnd = hWnd();
  for (tool.uId = 0; tool.uId < static_cast<UINT_PTR>(toolCount_); ++tool.uId)
    SendMessageA(toolTip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  auto buttons = ActiveButtons();
  toolCount_ = static_cast<int>(buttons.size());
  tool.uFlags = TTF_SUBCLASS;
  for (tool.uId = 0; tool.uId < buttons.size(); ++tool.uId) {
    const MovieButton& button = *buttons[tool.uId];
    if (button.tip.empty()) continue;
    tool.rect = {button.rect.x, button.rect.y, button.rect.Right(), button.rect.Bottom()};
    tool.lpszText = const_cast<char*>(button.tip.c_str());
    SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

bool MovieControl::LoadMovie(int /*layer*/, const std::string& path) {
  scene_ = ScaleMovieScene(LoadSceneFile(path, &PlainMovieScene, &loadError_), ScreenDpi());
  ShowPage(scene_.homePage);
  // Drawn now, while start-up keeps the window hidden: once it is shown, its first
  // paint is one copy, and no unpainted window reaches the screen meanwhile.
  if (hWnd()) {
    HDC dc = GetDC(hWnd());
    DrawFace(dc);
    ReleaseDC(hWnd(), dc);
  }
  return loadError_.empty();
}

void MovieControl::SetVariable(const std::string& name, const std::string& value) {
  if (name == "_root.home") {
    if (value == "true") ShowPage(scene_.homePage);
    return;
  }
  variables_[name] = value;
  face_.reset();  // texts showing it are part of the face
  Redraw();
}

std::string MovieControl::Variable(const std::string& name) const {
  auto found = variables_.find(name);
  return found == variables_.end() ? std::string() : found->second;
}

std::vector<const MovieButton*> MovieControl::ActiveButtons() const {
  std::vector<const MovieButton*> buttons;
  if (const MoviePage* page = scene_.FindPage(page_))
    for (const MovieButton& button : page->buttons) buttons.push_back(&button);
  for (const MovieButton& button : scene_.shared.buttons) buttons.push_back(&button);
  return buttons;
}

void MovieControl::ShowPage(const std::string& name) {
  if (!scene_.FindPage(name)) return;
  // Coming home while home keeps the keyboard on the button it was on.
  if (name != page_) focus_ = -1;
  page_ = name;
  hover_ = pressed_ = -1;
  face_.reset();
  UpdateToolTips();
  Redraw();
}

// Every change of what the face shows comes through here, so screen readers hear of it here.
void MovieControl::Redraw() {
  if (hWnd()) InvalidateRect(hWnd(), nullptr, FALSE);
  winEvents_.Follow(*this);
}

int MovieControl::HitTest(int x, int y) const {
  auto buttons = ActiveButtons();
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i]->rect.Contains(x, y)) return static_cast<int>(i);
  return -1;
}

void MovieControl::Press(int index) {
  auto buttons = ActiveButtons();
  if (index < 0 || index >= static_cast<int>(buttons.size())) return;
  // Copies: the page change below invalidates the button, and the handler may do anything.
  const std::string command = buttons[index]->command;
  const std::string parameter = buttons[index]->parameter;
  const std::string gotoPage = buttons[index]->gotoPage;
  if (!gotoPage.empty()) ShowPage(gotoPage);
  if (FSCommand) FSCommand(command, parameter);
}

void MovieControl::SetHover(int index) {
  if (index == hover_) return;
  hover_ = index;
  Redraw();
}

void MovieControl::OnMouseDown(const MouseEventArgs& args) {
  if (args.button != kLeftButton) return;
  SetFocus(hWnd());
  int index = HitTest(args.x, args.y);
  if (index < 0) return;
  if (ActiveButtons()[index]->drag) {
    Press(index);  // a title area acts at once, so the window can be dragged
    return;
  }
  pressed_ = index;
  SetCapture(hWnd());
  Redraw();
}

void MovieControl::OnMouseMove(const MouseEventArgs& args) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hWnd(), 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  int index = HitTest(args.x, args.y);
  SetCursor(LoadCursor(nullptr, index >= 0 && !ActiveButtons()[index]->drag ? IDC_HAND : IDC_ARROW));
  SetHover(index);
}

void MovieControl::OnMouseUp(const MouseEventArgs& args) {
  if (pressed_ < 0) return;
  int pressed = pressed_;
  pressed_ = -1;
  ReleaseCapture();
  Redraw();
  if (HitTest(args.x, args.y) == pressed) Press(pressed);
}

// Reading order: the left column, the page's own buttons, then the other columns
// left to right, each top to bottom. When another window takes part in the Tab
// round (a tool window over the page), the round starts after the left column, so
// the window's controls come right after it.
std::vector<int> MovieControl::TabOrder() const {
  const auto buttons = ActiveButtons();
  const MoviePage* page = scene_.FindPage(page_);
  const int pageCount = page ? static_cast<int>(page->buttons.size()) : 0;
  auto column = [this](const MovieButton& button) {
    const int64_t centre = static_cast<int64_t>(button.rect.x) + button.rect.width / 2;
    return static_cast<int>(std::clamp<int64_t>(centre * 3 / std::max(1, scene_.width), 0, 2));
  };
  std::vector<int> left, rest;
  for (int i = pageCount; i < static_cast<int>(buttons.size()); ++i)
    (column(*buttons[i]) == 0 ? left : rest).push_back(i);
  std::stable_sort(rest.begin(), rest.end(), [&](int a, int b) {
    const MovieButton &first = *buttons[a], &second = *buttons[b];
    return std::make_tuple(column(first), first.rect.y, first.rect.x) <
           std::make_tuple(column(second), second.rect.y, second.rect.x);
  });
  std::vector<int> order = left;
  for (int i = 0; i < pageCount; ++i) order.push_back(i);
  order.insert(order.end(), rest.begin(), rest.end());
  HWND root = hWnd() ? TopLevelWindowOf(hWnd()) : nullptr;
  HWND next = root ? GetNextDlgTabItem(root, hWnd(), FALSE) : nullptr;
  if (next && next != hWnd()) std::rotate(order.begin(), order.begin() + left.size(), order.end());
  return order;
}

void MovieControl::MoveFocus(int step) {
  auto buttons = ActiveButtons();
  const std::vector<int> order = TabOrder();
  const int count = static_cast<int>(order.size());
  showFocus_ = true;
  const auto at = std::find(order.begin(), order.end(), focus_);
  int position = at == order.end() ? -1 : static_cast<int>(at - order.begin());
  for (int tried = 0; tried < count; ++tried) {
    position = position < 0 ? (step > 0 ? 0 : count - 1) : (position + step + count) % count;
    if (Reachable(*buttons[order[position]])) {
      focus_ = order[position];
      break;
    }
  }
  Redraw();
}

bool MovieControl::PressMnemonic(char letter) {
  auto buttons = ActiveButtons();
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (!HasMnemonic(buttons[i]->label, letter) || !Reachable(*buttons[i])) continue;
    focus_ = static_cast<int>(i);
    showFocus_ = true;
    Press(focus_);
    return true;
  }
  return false;
}

// A window shown in front of the movie (the frame with a tool window) hides the
// buttons beneath it from the keyboard as from the mouse.
bool MovieControl::Reachable(const MovieButton& button) const { return !button.drag && AreaShowing(button.rect); }

bool MovieControl::AreaShowing(const MovieRect& rect) const {
  RECT area{rect.x, rect.y, rect.Right(), rect.Bottom()};
  MapWindowPoints(hWnd(), nullptr, reinterpret_cast<POINT*>(&area), 2);
  for (HWND above = GetWindow(hWnd(), GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
    RECT covering, overlap;
    if (IsWindowVisible(above) && GetWindowRect(above, &covering) && IntersectRect(&overlap, &area, &covering))
      return false;
  }
  return true;
}

std::string MovieControl::ShownText(const MovieText& text) const { return quorvane::ShownText(text, variables_); }

void MovieControl::PressSoon(int index) {
  auto buttons = ActiveButtons();
  if (index < 0 || index >= static_cast<int>(buttons.size())) return;
  PostMessageA(hWnd(), kMsgAccessibleAction, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buttons[index]));
}

int MovieControl::NextTabStop(int step) const {
  auto buttons = ActiveButtons();
  const std::vector<int> order = TabOrder();
  const int count = static_cast<int>(order.size());
  const auto at = std::find(order.begin(), order.end(), focus_);
  const int position = at == order.end() ? -1 : static_cast<int>(at - order.begin());
  for (int i = position < 0 ? (step > 0 ? 0 : count - 1) : position + step; i >= 0 && i < count; i += step)
    if (Reachable(*buttons[order[i]])) return order[i];
  return -1;
}

// Past its last button (or before its first) Tab goes on to the window's next
// control, when there is another one.
bool MovieControl::TabLeavesMovie(int step) const {
  if (NextTabStop(step) >= 0) return false;
  HWND root = TopLevelWindowOf(hWnd());
  HWND next = root ? GetNextDlgTabItem(root, hWnd(), step < 0) : nullptr;
  return next && next != hWnd();
}

// The dialog manager asks before it handles a key: the movie keeps the arrows
// and its characters, Tab while it has buttons left, and Enter for its button.
UINT MovieControl::DialogCode(const MSG* message) const {
  UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (!message || message->message != WM_KEYDOWN) return code | DLGC_WANTTAB;
  if (message->wParam == VK_TAB && !TabLeavesMovie(GetKeyState(VK_SHIFT) < 0 ? -1 : 1)) code |= DLGC_WANTTAB;
  if (message->wParam == VK_RETURN && focus_ >= 0 && showFocus_) code |= DLGC_WANTMESSAGE;
  return code;
}

LRESULT MovieControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
      switch (wParam) {
        case VK_TAB: MoveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : 1); return 0;
        case VK_RIGHT: case VK_DOWN: MoveFocus(1); return 0;
        case VK_LEFT: case VK_UP: MoveFocus(-1); return 0;
        case VK_RETURN: case VK_SPACE:
          // Only a button the ring shows: Enter never presses an unseen choice.
          if (focus_ >= 0 && showFocus_) Press(focus_);
          return 0;
        default: break;
      }
      break;
    case WM_SETFOCUS:
      // Tab arrives at the first button, Shift+Tab at the last; the keyboard
      // handed over otherwise (not by a click) lands on a button too.
      if (GetKeyState(VK_TAB) < 0) {
        focus_ = -1;
        focus_ = NextTabStop(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        showFocus_ = true;
      } else if (focus_ < 0 && GetKeyState(VK_LBUTTON) >= 0) {
        focus_ = NextTabStop(1);
      }
      Redraw();
      break;
    case WM_KILLFOCUS:
      Redraw();
      break;
    case WM_GETOBJECT: {
      LRESULT result = 0;
      auto make = [this](HWND window) { return NewMovieAccessible(*this, window); };
      if (accessible_.Answer(hWnd(), wParam, lParam, make, &result)) return result;
      break;
    }
    case kMsgAccessibleAction: {
      // Only the button asked for, and only while a click could reach it: the
      // page may have changed, or a tool window come in front, meanwhile.
      auto buttons = ActiveButtons();
      const size_t index = wParam;
      if (index < buttons.size() && reinterpret_cast<LPARAM>(buttons[index]) == lParam && Reachable(*buttons[index]))
        Press(static_cast<int>(index));
      return 0;
    }
    case WM_DESTROY:
      accessible_.Close();
      // First, while the buttons' tools still hook this window.
      if (toolTip_) DestroyWindow(toolTip_);
      toolTip_ = nullptr;
      toolCount_ = 0;
      break;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      SetHover(-1);
      return 0;
    case WM_CAPTURECHANGED:
      if (pressed_ >= 0 && reinterpret_cast<HWND>(lParam) != hWnd()) {
        pressed_ = -1;
        Redraw();
      }
      break;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) return TRUE;  // set on every mouse move
      break;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void MovieControl::DrawFace(HDC dc) {
  const MoviePage* page = scene_.FindPage(page_);
  if (!page) return;
  RECT client{};
  GetClientRect(hWnd(), &client);
  faceSize_ = {client.right, client.bottom};
  face_.reset(CreateCompatibleBitmap(dc, faceSize_.cx, faceSize_.cy));
  MemoryDC memory(dc);
  ScopedSelect bitmap(memory.get(), face_.get());
  painter_.PaintBackground(memory.get(), scene_, *page, variables_);
  ExtendSceneEdges(memory.get(), scene_.width, scene_.height, faceSize_);
  for (const MovieButton* button : ActiveButtons())
    painter_.PaintButton(memory.get(), scene_, *button, ButtonLook::Normal, false);
}

void MovieControl::OnPaint(HDC dc, const RECT& client) {
  if (!scene_.FindPage(page_)) return;
  if (!face_ || faceSize_.cx != client.right || faceSize_.cy != client.bottom) DrawFace(dc);
  {
    MemoryDC memory(dc);
    ScopedSelect bitmap(memory.get(), face_.get());
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
  }

  // Only a button that does not look at rest is drawn again, over its resting look.
  const bool focused = GetFocus() == hWnd() && showFocus_;
  auto buttons = ActiveButtons();
  for (size_t i = 0; i < buttons.size(); ++i) {
    const int index = static_cast<int>(i);
    ButtonLook look = index == pressed_ && hover_ == index ? ButtonLook::Pressed
                      : index == hover_ || index == pressed_ ? ButtonLook::Hover
                                                             : ButtonLook::Normal;
    const bool ringed = focused && index == focus_;
    if (look != ButtonLook::Normal || ringed) painter_.PaintButton(dc, scene_, *buttons[i], look, ringed);
  }
}

}  // namespace quorvane
