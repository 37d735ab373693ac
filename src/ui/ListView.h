// A list view in report view: columns with captions and tags, rows with sub-item
// texts, one selected row. Each row carries a data word unique within the list
// (the item's lParam), which compare functions use to find rows while the list
// sorts itself.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Label.h"

namespace quorvane {

enum class SortOrder { Ascending, Descending };

class ListView : public Control {
 public:
  ListView(Container& container, ControlName name, const TwipsRect& place, bool fullRowSelect = true);

  // Columns, numbered from 0 (the item text) to the right.
  int AddColumn(std::string caption, int widthTwips, TextAlign align = TextAlign::Left);
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  std::string ColumnCaption(int column) const;
  // Free text that lives with a column header for the list's lifetime.
  std::string ColumnTag(int column) const;
  void SetColumnTag(int column, std::string tag);

  // Rows exist only while the form is loaded. AddRow returns the new row's
  // index (after sorting, when the list keeps itself sorted), -1 when the list
  // has no window.
  int AddItem(const std::string& text) { return AddRow({text}); }
  int AddRow(const std::vector<std::string>& texts) { return AddRow(texts, nextData_++); }
  // The same with the caller's data word. An unsorted list appends the row
  // without looking for it, so filling it stays linear.
  int AddRow(const std::vector<std::string>& texts, LPARAM data);
  // Sets the text of a column (0 the item, 1 and up the sub-items).
  void SetItemText(int row, int column, const std::string& text);
  std::string ItemText(int row, int column = 0) const;
  LPARAM ItemData(int row) const;
  // The row whose data word this is, -1 when none.
  int FindItemByData(LPARAM data) const;
  int ItemCount() const;
  void RemoveItem(int row);
  void Clear();

  // -1 when no row is selected.
  int SelectedIndex() const;
  // Selects the row (-1 clears the selection); raises ItemClick when the
  // selected row changes, as the user's click does.
  void SetSelectedIndex(int row);

  // The list's own sorting by one column's text, letter case ignored; while it
  // is on, rows are kept in order as they are added.
  void SetSorted(bool sorted);
  bool Sorted() const { return sorted_; }
  void SetSortKey(int column);
  int SortKey() const { return sortKey_; }
  void SetSortOrder(SortOrder order);
  SortOrder Order() const { return sortOrder_; }
  // Asks the list once to sort its rows with the compare function
  // (LVM_SORTITEMS); the function receives the two rows' data words and the
  // parameter. False when the list has no window or refused.
  bool SortItems(PFNLVCOMPARE compare, LPARAM parameter);

  // A column header was clicked (its index, from 0).
  Event<int> ColumnClick;
  // A row became the selected one (its index).
  Event<int> ItemClick;
  // No row is selected any more.
  Event<> SelectionCleared;
  // MouseUp (inherited) is raised when a mouse button is released over the list.

 private:
  struct Column {
    std::string caption;
    int widthTwips;
    TextAlign align;
    std::string tag;
  };

  void CreateControlWindow(HWND parent, int id) override;
  void AfterDestroy() override { selectedData_ = kNoSelection; }
  bool OnNotify(NMHDR* header, LRESULT* result) override;
  bool ReportsMouseUpItself() const override { return true; }
  void InsertColumnIntoWindow(int column);
  void SortByKey();
  void NoteSelection();

  static constexpr LPARAM kNoSelection = -1;

  std::vector<Column> columns_;
  bool fullRowSelect_;
  LPARAM nextData_ = 1;
  LPARAM selectedData_ = kNoSelection;
  bool sorted_ = false;
  int sortKey_ = 0;
  SortOrder sortOrder_ = SortOrder::Ascending;
};

}  // namespace quorvane
