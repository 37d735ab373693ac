// A combo box with a fixed list (drop-down list): the user picks one of the
// items and cannot type. Setting the selection from code raises Click as the
// user's choice does.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

namespace quorvane {

class ComboBox : public Control {
 public:
  ComboBox(Container& container, ControlName name, const TwipsRect& place, std::vector<std::string> items = {});

  void AddItem(std::string item);
  void RemoveItem(int index);
  // Empties the list; the selection becomes -1 without a Click.
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  // The item's text; empty outside the list.
  std::string List(int index) const;

  // -1 when nothing is selected.
  int ListIndex() const { return listIndex_; }
  // Raises Click when the selection changes. False for an index outside the
  // list (other than -1), which changes nothing.
  bool SetListIndex(int index);
  // The selected item's text, empty when nothing is selected.
  std::string Text() const { return List(listIndex_); }

  Event<> Click;

 private:
  void CreateControlWindow(HWND parent, int id) override;
  bool OnCommand(UINT code) override;

  std::vector<std::string> items_;
  int listIndex_ = -1;
};

}  // namespace quorvane
