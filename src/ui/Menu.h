// Pop-up menus with items by name. An item whose caption is "-" is a separator.
// Each item is a control of its form (kind MenuItem), with Enabled, Visible,
// Checked and a Click event; the menu is built from them each time it pops up.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

namespace quorvane {

class MenuItem;

class Menu : public Control {
 public:
  Menu(Form& form, ControlName name, std::string caption = {});

  const std::string& Caption() const { return caption_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  MenuItem* FindItem(const std::string& name) const;

  // Shows the menu at the screen point and waits until it closes; then raises
  // the chosen item's Click. False when nothing was chosen or the form is not loaded.
  bool Popup(POINT screenPoint);

 private:
  friend class MenuItem;
  void CreateControlWindow(HWND parent, int) override { window_ = parent; }
  void AfterDestroy() override { window_ = nullptr; }

  std::string caption_;
  std::vector<MenuItem*> items_;
  HWND window_ = nullptr;
};

class MenuItem : public Control {
 public:
  MenuItem(Menu& menu, ControlName name, std::string caption);
  ~MenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool IsSeparator() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  int CommandId() const { return commandId_; }

  Event<> Click;

 private:
  void CreateControlWindow(HWND, int) override {}

  Menu& menu_;
  std::string caption_;
  bool checked_ = false;
  int commandId_;
};

}  // namespace quorvane
