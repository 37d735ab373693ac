// The list view's sorting: its own by one column's text, and sorting by a
// compare function of the form's.
#include <algorithm>
#include <numeric>

#include "ui/ListView.h"

namespace quorvane {

void ListView::SetSorted(bool sorted) {
  sorted_ = sorted;
  if (sorted_) SortByKey();
}

void ListView::SetSortKey(int column) {
  sortKey_ = column;
  if (sorted_) SortByKey();
}

void ListView::SetSortOrder(SortOrder order) {
  sortOrder_ = order;
  if (sorted_) SortByKey();
}

bool ListView::SortItems(PFNLVCOMPARE compare, LPARAM parameter) {
  if (!hWnd()) return false;
  Reorder([&](size_t a, size_t b) { return compare(rows_[a].data, rows_[b].data, parameter) < 0; });
  return true;
}

void ListView::SortByKey() {
  if (!hWnd()) return;
  // Each row's key text is read once, not at every comparison.
  std::vector<std::string> keys;
  keys.reserve(rows_.size());
  for (int row = 0; row < ItemCount(); ++row) keys.push_back(ItemText(row, sortKey_));
  const bool descending = sortOrder_ == SortOrder::Descending;
  Reorder([&](size_t a, size_t b) {
    const int compared = lstrcmpiA(keys[a].c_str(), keys[b].c_str());
    return descending ? compared > 0 : compared < 0;
  });
}

void ListView::Reorder(const std::function<bool(size_t, size_t)>& less) {
  std::vector<size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), less);
  std::vector<Row> sorted;
  sorted.reserve(rows_.size());
  for (size_t from : order) sorted.push_back(std::move(rows_[from]));
  rows_.swap(sorted);

  // The window keeps the selection by position: it goes where the selected row went.
  const int row = selectedData_ == kNoSelection ? -1 : FindItemByData(selectedData_);
  if (row >= 0 && row != SelectedIndex()) {
    quietSelection_ = true;
    SetSelectedIndex(row);
    quietSelection_ = false;
  }
  InvalidateRect(hWnd(), nullptr, FALSE);
}

}  // namespace quorvane
