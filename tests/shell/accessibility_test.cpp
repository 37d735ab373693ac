// The program as a screen reader meets it: through oleacc (Microsoft Active
// Accessibility), on the real main window with its real tool windows.
#include <doctest.h>

#include <windows.h>
#include <oleacc.h>

#include <map>
#include <string>
#include <vector>

#include "support/RunningProgram.h"

using namespace quorvane;

namespace {

// What a person hears of each face button on the home page, with its keys.
const std::map<std::string, std::string> kFaceButtons = {
    {"Wizard Mode", "Alt+W"},     {"Advanced Mode", "Alt+A"},  {"Backup Manager", "Alt+B"},
    {"Net Pinger", "Alt+P"},      {"System Status", "Alt+Y"},  {"RAM Booster", "Alt+R"},
    {"Settings", "Alt+T"},        {"Help", "Alt+H"},           {"About", "Alt+O"},
    {"Internet Properties", ""},  {"System Properties", ""},   {"Modem Settings", ""},
    {"Network Settings", ""},     {"Start the Wizard", ""},    {"Minimize", ""},
    {"Hide to the notification area", ""}, {"Close Quorvane", ""}, {"Home", ""},
    {"Restart Windows", ""},
};

struct Object {
  IAccessible* object = nullptr;
  // __uuidof: oleacc's import library has IID_IAccessible only as an import thunk.
  explicit Object(HWND window) {
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
  }
  Object(HWND window, DWORD objectId, LONG childId, VARIANT* child) {
    AccessibleObjectFromEvent(window, objectId, childId, &object, child);
  }
  ~Object() {
    if (object) object->Release();
  }
};

VARIANT Child(LONG id) {
  VARIANT child;
  VariantInit(&child);
  V_VT(&child) = VT_I4;
  V_I4(&child) = id;
  return child;
}

std::string Take(BSTR text) {
  if (!text) return {};
  char narrow[512] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
  SysFreeString(text);
  return narrow;
}

// What a screen reader says of one part.
struct Heard {
  std::string name, shortcut, value;
  LONG role = 0, state = 0;
};

Heard Hear(IAccessible* object, LONG id) {
  Heard heard;
  const VARIANT child = Child(id);
  BSTR text = nullptr;
  if (object->get_accName(child, &text) == S_OK) heard.name = Take(text);
  if (object->get_accKeyboardShortcut(child, &text) == S_OK) heard.shortcut = Take(text);
  if (object->get_accValue(child, &text) == S_OK) heard.value = Take(text);
  VARIANT result;
  if (SUCCEEDED(object->get_accRole(child, &result)) && V_VT(&result) == VT_I4) heard.role = V_I4(&result);
  if (SUCCEEDED(object->get_accState(child, &result)) && V_VT(&result) == VT_I4) heard.state = V_I4(&result);
  return heard;
}

// The object's simple children, by id.
std::vector<LONG> Children(IAccessible* object) {
  LONG count = 0;
  object->get_accChildCount(&count);
  std::vector<VARIANT> children(count);
  LONG obtained = 0;
  AccessibleChildren(object, 0, count, children.data(), &obtained);
  std::vector<LONG> ids;
  for (LONG i = 0; i < obtained; ++i)
    if (V_VT(&children[i]) == VT_I4) ids.push_back(V_I4(&children[i]));
    else VariantClear(&children[i]);
  return ids;
}

// The face's child a screen reader finds by that name and role; 0 when none.
LONG FindChild(IAccessible* object, const std::string& name, LONG role) {
  for (LONG id : Children(object)) {
    const Heard heard = Hear(object, id);
    if (heard.name == name && heard.role == role) return id;
  }
  return 0;
}

// Win events the program raised, as a screen reader's hook receives them.
struct WinEvent {
  DWORD event;
  HWND window;
  LONG objectId, childId;
};
std::vector<WinEvent> g_events;

void CALLBACK RecordWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId, DWORD, DWORD) {
  g_events.push_back({event, window, objectId, childId});
}

// The events of one window: the system raises its own for other windows meanwhile.
std::vector<WinEvent> EventsOf(HWND window) {
  std::vector<WinEvent> events;
  for (const WinEvent& event : g_events)
    if (event.window == window) events.push_back(event);
  return events;
}

struct WinEventHook {
  HWINEVENTHOOK hook;
  WinEventHook(DWORD first, DWORD last)
      : hook(SetWinEventHook(first, last, nullptr, RecordWinEvent, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)) {
    g_events.clear();
  }
  ~WinEventHook() { UnhookWinEvent(hook); }
};

testing::RunningProgram& TheProgram() {
  // The test is the screen reader as well: its thread takes the objects through COM.
  [[maybe_unused]] static const HRESULT com = CoInitialize(nullptr);
  static testing::RunningProgram program;
  return program;
}

}  // namespace

TEST_CASE("every face button is heard by its name and keys where it shows, the home line as it changes") {
  testing::RunningProgram& p = TheProgram();
  p.GoHome();
  Object face(p.main.Flash.hWnd());
  REQUIRE(face.object);

  std::map<std::string, std::string> heard;
  for (LONG id : Children(face.object)) {
    const Heard part = Hear(face.object, id);
    if (part.role != ROLE_SYSTEM_PUSHBUTTON) continue;
    heard[part.name] = part.shortcut;
    CAPTURE(part.name);
    // Where it says the button is, the button is.
    LONG left = 0, top = 0, width = 0, height = 0;
    REQUIRE(face.object->accLocation(&left, &top, &width, &height, Child(id)) == S_OK);
    VARIANT hit;
    REQUIRE(face.object->accHitTest(left + width / 2, top + height / 2, &hit) == S_OK);
    CHECK((V_VT(&hit) == VT_I4 && V_I4(&hit) == id));
  }
  CHECK(heard == kFaceButtons);

  WinEventHook hook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE);
  p.main.ShowHomeNote("Backup 004 restored.");
  p.Settle();
  const LONG line = FindChild(face.object, "Backup 004 restored.", ROLE_SYSTEM_STATICTEXT);
  CHECK(line > 0);
  const std::vector<WinEvent> events = EventsOf(p.main.Flash.hWnd());
  REQUIRE(events.size() == 1);
  CHECK(events[0].childId == line);
}

TEST_CASE("the default action of a face button presses it as a click does") {
  testing::RunningProgram& p = TheProgram();
  p.GoHome();
  Object face(p.main.Flash.hWnd());
  const LONG wizard = FindChild(face.object, "Wizard Mode", ROLE_SYSTEM_PUSHBUTTON);
  REQUIRE(wizard > 0);
  CHECK(face.object->accDoDefaultAction(Child(wizard)) == S_OK);
  p.Settle();
  CHECK(p.main.ToolWindowSlots.Loaded(ToolWindow::WizardMode)->Visible());
  CHECK(GetWindow(p.main.hWnd(), GW_CHILD) == p.main.framChildWindow.hWnd());
  // The buttons the wizard covers are out of sight, and out of the screen reader's list.
  CHECK(FindChild(face.object, "Start the Wizard", ROLE_SYSTEM_PUSHBUTTON) == 0);
}

TEST_CASE("a screen reader follows the keyboard across the face") {
  testing::RunningProgram& p = TheProgram();
  p.GoHome();
  WinEventHook hook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS);
  SendMessageA(p.main.Flash.hWnd(), WM_KEYDOWN, VK_DOWN, 0);
  p.Settle();
  const std::vector<WinEvent> events = EventsOf(p.main.Flash.hWnd());
  REQUIRE_FALSE(events.empty());
  const WinEvent focus = events.back();
  VARIANT child;
  Object focused(focus.window, focus.objectId, focus.childId, &child);
  REQUIRE(focused.object);
  const Heard heard = Hear(focused.object, V_I4(&child));
  CHECK(kFaceButtons.count(heard.name) == 1);
  CHECK((heard.state & STATE_SYSTEM_FOCUSED) != 0);
}

TEST_CASE("skinned controls keep their role, name and state; a chart reads out its figure") {
  testing::RunningProgram& p = TheProgram();
  auto window = [&](ToolWindow slot, const char* control) {
    p.main.showToolWindow(slot);
    p.Settle();
    return p.main.ToolWindowSlots.Loaded(slot)->FindControl(control)->hWnd();
  };
  {
    Object check(window(ToolWindow::NetPingerSettings, "chkDoPinging"));
    REQUIRE(check.object);
    const Heard before = Hear(check.object, CHILDID_SELF);
    CHECK(before.role == ROLE_SYSTEM_CHECKBUTTON);
    CHECK(before.name == "Enable Pinger");
    CHECK(check.object->accDoDefaultAction(Child(CHILDID_SELF)) == S_OK);
    p.Settle();
    CHECK(((Hear(check.object, CHILDID_SELF).state ^ before.state) & STATE_SYSTEM_CHECKED) != 0);
    check.object->accDoDefaultAction(Child(CHILDID_SELF));  // as it was
    p.Settle();
    Object save(window(ToolWindow::NetPingerSettings, "cmdSave"));
    CHECK(Hear(save.object, CHILDID_SELF).role == ROLE_SYSTEM_PUSHBUTTON);
    CHECK(Hear(save.object, CHILDID_SELF).name == "Save");
    Object frame(window(ToolWindow::NetPingerSettings, "frameConfigurations"));
    CHECK(Hear(frame.object, CHILDID_SELF).role == ROLE_SYSTEM_GROUPING);
    CHECK(Hear(frame.object, CHILDID_SELF).name == "Configuration");
  }
  for (const char* chart : {"histCPU", "histMemory"}) {
    CAPTURE(chart);
    HWND handle = window(ToolWindow::SystemStatus, chart);
    Sleep(1200);  // a sample or two
    p.Settle();
    Object graphic(handle);
    REQUIRE(graphic.object);
    const Heard heard = Hear(graphic.object, CHILDID_SELF);
    CHECK(heard.role == ROLE_SYSTEM_GRAPHIC);
    CHECK(!heard.value.empty());
    CHECK(heard.name.find("(" + heard.value + ").") != std::string::npos);
  }
  p.GoHome();
}
