// A hand-made IAccessible for a window the program draws itself, so a screen
// reader can name what it shows. The window's client area is the object (child
// 0); its parts are simple children 1..ChildCount(), each described afresh on
// every question, so what a screen reader hears is what the window shows now.
// What the object leaves unsaid about itself (and its parent, and navigation
// away from it) comes from the system's standard object of the window.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>

namespace quorvane {

// What a screen reader learns of one part. Unset facts of child 0 are the
// standard object's; unset facts of a child are empty.
struct AccessibleFacts {
  std::optional<std::string> name, value, description, shortcut, defaultAction;
  std::optional<LONG> role, state;
  std::optional<RECT> location;  // screen pixels
};

class AccessibleObject : public IAccessible {
 public:
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  HWND Window() const { return window_; }
  // The window has gone: every later question fails as a disconnected object's,
  // and nothing of the program is touched again.
  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: screen readers call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 protected:
  // Made with one reference, held by the window's AccessibleServer.
  explicit AccessibleObject(HWND window);
  virtual ~AccessibleObject();

  virtual LONG ChildCount() { return 0; }
  // Fills in what the part (0 the object itself, else a child) shows now.
  virtual void Describe(LONG child, AccessibleFacts& facts) = 0;
  // Does what the part's default action says; false when it has none. Called
  // only while connected.
  virtual bool DoDefaultAction(LONG /*child*/) { return false; }

  // The standard object's state of the window (focusable, focused, unavailable,
  // invisible), for a part that adds its own.
  LONG StandardState();
  // The window's client rectangle in screen pixels, for parts placed in it.
  RECT ScreenRect(const RECT& client) const;

 private:
  enum class Fact { Name, Value, Description, Shortcut, DefaultAction };
  // The part the variant names, or -1 when it names none.
  LONG PartOf(const VARIANT& child) const;
  HRESULT TextFact(const VARIANT& child, Fact fact, BSTR* out);
  IAccessible* Standard();

  LONG references_ = 1;
  HWND window_;
  IAccessible* standard_ = nullptr;
};

}  // namespace quorvane
