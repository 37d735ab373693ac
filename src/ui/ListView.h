// A list view in report view: columns with captions and tags, rows with sub-item
// texts, one selected row. Each row carries a data word unique within the list,
// which compare functions receive while the list sorts itself.
//
// The list is owner-data: the rows live here, the window holds only their
// count and asks for the texts of the rows it paints, so filling and sorting
// cost no messages per row. A row's texts are either given when it is added or
// asked of RowText, for the rows on screen only.
#pragma once

#include <functional>
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
  // has no window. Texts not given are asked of RowText.
  int AddItem(const std::string& text) { return AddRow({text}); }
  int AddRow(const std::vector<std::string>& texts) { return AddRow(texts, nextData_++); }
  // The same with the caller's data word. An unsorted list appends the row
  // without looking for it, so filling it stays linear.
  int AddRow(const std::vector<std::string>& texts, LPARAM data);
  // Replaces all rows by these, in this order, their texts asked of RowText;
  // sorted once when the list keeps itself sorted. No row stays selected.
  // False without a window.
  bool SetRows(const std::vector<LPARAM>& data);
  // The text of a row's column for rows added without it: asked only for the
  // rows the list paints, and when sorting by text or reading ItemText.
  std::function<std::string(LPARAM data, int column)> RowText;
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
  // Sorts the rows once with the compare function, as LVM_SORTITEMS does for a
  // list that holds its rows: the function receives two rows' data words and
  // the parameter, and may ask the window for rows (LVM_FINDITEM,
  // LVM_GETITEMTEXT), which keep their places until the sort ends. The
  // selected row stays selected. False when the list has no window.
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
  struct Row {
    LPARAM data;
    std::vector<std::string> texts;  // the first columns' texts, when given
  };

  void CreateControlWindow(HWND parent, int id) override;
  void AfterDestroy() override;
  bool OnNotify(NMHDR* header, LRESULT* result) override;
  bool BeforeOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  bool ReportsMouseUpItself() const override { return true; }
  void InsertColumnIntoWindow(int column);
  void SortByKey();
  // Puts rows_ in the order of less (over their present positions), the
  // selected row keeping its selection.
  void Reorder(const std::function<bool(size_t, size_t)>& less);
  // Tells the window the row count; every row is painted again.
  void SyncItemCount();
  void NoteSelection();
  // Answers LVM_FINDITEM for the window: the row with the data word
  // (LVFI_PARAM), or the first from start on, wrapping, whose item text begins
  // with prefix; -1 when none.
  int FindRow(UINT flags, LPARAM data, const std::string& prefix, int start) const;

  static constexpr LPARAM kNoSelection = -1;

  std::vector<Column> columns_;
  std::vector<Row> rows_;  // in the order shown
  bool quietSelection_ = false;  // while moving the selection along with a sort
  bool fullRowSelect_;
  LPARAM nextData_ = 1;
  LPARAM selectedData_ = kNoSelection;
  bool sorted_ = false;
  int sortKey_ = 0;
  SortOrder sortOrder_ = SortOrder::Ascending;
};

}  // namespace quorvane
