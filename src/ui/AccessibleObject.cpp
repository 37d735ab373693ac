#include "ui/AccessibleObject.h"

#include "ui/AccessibilityLibrary.h"

namespace quorvane {

namespace {

void SetChild(VARIANT* variant, LONG child) {
  V_VT(variant) = VT_I4;
  V_I4(variant) = child;
}

void SetEmpty(VARIANT* variant) { V_VT(variant) = VT_EMPTY; }

}  // namespace

AccessibleObject::AccessibleObject(HWND window) : window_(window) {}

AccessibleObject::~AccessibleObject() { Disconnect(); }

void AccessibleObject::Disconnect() {
  window_ = nullptr;
  if (standard_) standard_->Release();
  standard_ = nullptr;
}

IAccessible* AccessibleObject::Standard() {
  if (!standard_ && window_) standard_ = StandardClientObject(window_);
  return standard_;
}

LONG AccessibleObject::PartOf(const VARIANT& child) const {
  if (V_VT(&child) != VT_I4) return -1;
  const LONG part = V_I4(&child);
  return part >= 0 && part <= const_cast<AccessibleObject*>(this)->ChildCount() ? part : -1;
}

LONG AccessibleObject::StandardState() {
  VARIANT self, state;
  SetChild(&self, CHILDID_SELF);
  if (IAccessible* standard = Standard())
    if (SUCCEEDED(standard->get_accState(self, &state)) && V_VT(&state) == VT_I4) return V_I4(&state);
  // As the system's object says it, where there is none.
  LONG result = IsWindowEnabled(window_) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
  if (GetFocus() == window_) result |= STATE_SYSTEM_FOCUSED;
  if (!IsWindowVisible(window_)) result |= STATE_SYSTEM_INVISIBLE;
  return result;
}

RECT AccessibleObject::ScreenRect(const RECT& client) const {
  RECT screen = client;
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&screen), 2);
  return screen;
}

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG AccessibleObject::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return E_NOTIMPL;
}
HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!window_) return RPC_E_DISCONNECTED;
  IAccessible* standard = Standard();
  return standard ? standard->get_accParent(parent) : S_FALSE;
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  if (!window_) return RPC_E_DISCONNECTED;
  *count = ChildCount();
  return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!window_) return RPC_E_DISCONNECTED;
  // The parts are simple children: the screen reader asks this object about them.
  return PartOf(child) > 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT AccessibleObject::TextFact(const VARIANT& child, Fact fact, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!window_) return RPC_E_DISCONNECTED;
  const LONG part = PartOf(child);
  if (part < 0) return E_INVALIDARG;
  AccessibleFacts facts;
  Describe(part, facts);
  const std::optional<std::string>* text = nullptr;
  switch (fact) {
    case Fact::Name: text = &facts.name; break;
    case Fact::Value: text = &facts.value; break;
    case Fact::Description: text = &facts.description; break;
    case Fact::Shortcut: text = &facts.shortcut; break;
    case Fact::DefaultAction: text = &facts.defaultAction; break;
  }
  if (!*text && part == CHILDID_SELF) {
    IAccessible* standard = Standard();
    if (!standard) return S_FALSE;
    switch (fact) {
      case Fact::Name: return standard->get_accName(child, out);
      case Fact::Value: return standard->get_accValue(child, out);
      case Fact::Description: return standard->get_accDescription(child, out);
      case Fact::Shortcut: return standard->get_accKeyboardShortcut(child, out);
      case Fact::DefaultAction: return standard->get_accDefaultAction(child, out);
    }
  }
  if (!*text || (*text)->empty()) return S_FALSE;
  *out = NewAccessibleString(**text);
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) { return TextFact(child, Fact::Name, name); }
HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) { return TextFact(child, Fact::Value, value); }
HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
  return TextFact(child, Fact::Description, description);
}
HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return TextFact(child, Fact::Shortcut, shortcut);
}
HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
  return TextFact(child, Fact::DefaultAction, action);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  SetEmpty(role);
  if (!window_) return RPC_E_DISCONNECTED;
  const LONG part = PartOf(child);
  if (part < 0) return E_INVALIDARG;
  AccessibleFacts facts;
  Describe(part, facts);
  if (facts.role) {
    SetChild(role, *facts.role);
    return S_OK;
  }
  if (part == CHILDID_SELF)
    if (IAccessible* standard = Standard()) return standard->get_accRole(child, role);
  SetChild(role, part == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_STATICTEXT);
  return S_OK;
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  SetEmpty(state);
  if (!window_) return RPC_E_DISCONNECTED;
  const LONG part = PartOf(child);
  if (part < 0) return E_INVALIDARG;
  AccessibleFacts facts;
  Describe(part, facts);
  SetChild(state, facts.state ? *facts.state : part == CHILDID_SELF ? StandardState() : 0);
  return S_OK;
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
  if (!help) return E_POINTER;
  *help = nullptr;
  if (!window_) return RPC_E_DISCONNECTED;
  return PartOf(child) < 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = -1;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  SetEmpty(child);
  if (!window_) return RPC_E_DISCONNECTED;
  if (GetFocus() != window_) return S_FALSE;
  const LONG count = ChildCount();
  for (LONG part = 1; part <= count; ++part) {
    AccessibleFacts facts;
    Describe(part, facts);
    if (facts.state && (*facts.state & STATE_SYSTEM_FOCUSED)) {
      SetChild(child, part);
      return S_OK;
    }
  }
  SetChild(child, CHILDID_SELF);
  return S_OK;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children) {
  if (!children) return E_POINTER;
  SetEmpty(children);
  return window_ ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::accSelect(LONG flags, VARIANT child) {
  if (!window_) return RPC_E_DISCONNECTED;
  const LONG part = PartOf(child);
  if (part < 0) return E_INVALIDARG;
  if (part == CHILDID_SELF)
    if (IAccessible* standard = Standard()) return standard->accSelect(flags, child);
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  if (!window_) return RPC_E_DISCONNECTED;
  const LONG part = PartOf(child);
  if (part < 0) return E_INVALIDARG;
  AccessibleFacts facts;
  Describe(part, facts);
  if (!facts.location && part == CHILDID_SELF) {
    RECT client{};
    GetClientRect(window_, &client);
    facts.location = ScreenRect(client);
  }
  if (!facts.location) return S_FALSE;
  *left = facts.location->left;
  *top = facts.location->top;
  *width = facts.location->right - facts.location->left;
  *height = facts.location->bottom - facts.location->top;
  return S_OK;
}

HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  SetEmpty(end);
  if (!window_) return RPC_E_DISCONNECTED;
  const LONG part = PartOf(start);
  if (part < 0) return E_INVALIDARG;
  const LONG count = ChildCount();
  LONG found = -1;
  if (part == CHILDID_SELF) {
    if (direction == NAVDIR_FIRSTCHILD) found = count > 0 ? 1 : 0;
    else if (direction == NAVDIR_LASTCHILD) found = count;
    else if (IAccessible* standard = Standard()) return standard->accNavigate(direction, start, end);
    else return S_FALSE;
  } else {
    switch (direction) {
      case NAVDIR_NEXT: case NAVDIR_DOWN: case NAVDIR_RIGHT: found = part < count ? part + 1 : 0; break;
      case NAVDIR_PREVIOUS: case NAVDIR_UP: case NAVDIR_LEFT: found = part - 1; break;
      default: return E_INVALIDARG;  // a simple child has no children
    }
  }
  if (found <= 0) return S_FALSE;
  SetChild(end, found);
  return S_OK;
}

HRESULT AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_POINTER;
  SetEmpty(child);
  if (!window_) return RPC_E_DISCONNECTED;
  RECT client{};
  GetClientRect(window_, &client);
  const RECT screen = ScreenRect(client);
  const POINT point{x, y};
  if (!PtInRect(&screen, point)) return S_FALSE;
  const LONG count = ChildCount();
  for (LONG part = 1; part <= count; ++part) {
    AccessibleFacts facts;
    Describe(part, facts);
    if (facts.location && PtInRect(&*facts.location, point)) {
      SetChild(child, part);
      return S_OK;
    }
  }
  SetChild(child, CHILDID_SELF);
  return S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
  if (!window_) return RPC_E_DISCONNECTED;
  const LONG part = PartOf(child);
  if (part < 0) return E_INVALIDARG;
  return DoDefaultAction(part) ? S_OK : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }
HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) { return DISP_E_MEMBERNOTFOUND; }

}  // namespace quorvane
