#include "ui/Menu.h"

#include <algorithm>

#include "ui/Form.h"

namespace quorvane {

namespace {

class PopupMenuHandle {
 public:
  PopupMenuHandle() : menu_(CreatePopupMenu()) {}
  PopupMenuHandle(const PopupMenuHandle&) = delete;
  PopupMenuHandle& operator=(const PopupMenuHandle&) = delete;
  ~PopupMenuHandle() {
    if (menu_) DestroyMenu(menu_);
  }
  HMENU get() const { return menu_; }

 private:
  HMENU menu_;
};

}  // namespace

Menu::Menu(Form& form, ControlName name, std::string caption)
    : Control(form, ControlKind::Menu, std::move(name)), caption_(std::move(caption)) {}

MenuItem* Menu::FindItem(const std::string& name) const {
  for (MenuItem* item : items_)
    if (item->Name() == name) return item;
  return nullptr;
}

bool Menu::Popup(POINT screenPoint) {
  if (!window_ || !IsWindow(window_)) return false;
  PopupMenuHandle menu;
  if (!menu.get()) return false;
  for (MenuItem* item : items_) {
    if (!item->Visible()) continue;
    if (item->IsSeparator()) {
      AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (item->Enabled() ? MF_ENABLED : MF_GRAYED) | (item->Checked() ? MF_CHECKED : 0);
    AppendMenuA(menu.get(), flags, static_cast<UINT_PTR>(item->CommandId()), item->Caption().c_str());
  }
  // A menu opened for a window in the background (the notification area's) only
  // closes on a click elsewhere when its window is in the foreground first, and
  // only pops up a second time after a message has followed it (KB135788).
  HWND owner = TopLevelWindowOf(window_);
  SetForegroundWindow(owner);
  UINT chosen = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                 screenPoint.x, screenPoint.y, 0, owner, nullptr));
  PostMessageA(owner, WM_NULL, 0, 0);
  if (chosen == 0) return false;
  for (MenuItem* item : items_) {
    if (static_cast<UINT>(item->CommandId()) == chosen) {
      item->Click.Raise(*item);
      return true;
    }
  }
  return false;
}

MenuItem::MenuItem(Menu& menu, ControlName name, std::string caption)
    : Control(menu.OwnerForm(), ControlKind::MenuItem, std::move(name)),
      menu_(menu),
      caption_(std::move(caption)),
      commandId_(menu.OwnerForm().NextMenuItemId()) {
  menu_.items_.push_back(this);
}

MenuItem::~MenuItem() {
  menu_.items_.erase(std::remove(menu_.items_.begin(), menu_.items_.end(), this), menu_.items_.end());
}

void Form::PopupMenu(Menu& menu) {
  POINT cursor;
  GetCursorPos(&cursor);
  menu.Popup(cursor);
}

void Form::PopupMenu(Menu& menu, POINT screenPoint) { menu.Popup(screenPoint); }

}  // namespace quorvane
