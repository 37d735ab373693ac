// The list view's sorting: its own by one column's text, and sorting by a
// compare function of the form's.
#include <map>

#include "ui/ListView.h"

namespace quorvane {

namespace {

struct KeySnapshot {
  std::map<LPARAM, std::string> keys;  // data word -> text of the key column
  bool descending = false;
};

int CALLBACK CompareKeyTexts(LPARAM first, LPARAM second, LPARAM snapshotAddress) {
  const auto& snapshot = *reinterpret_cast<const KeySnapshot*>(snapshotAddress);
  auto a = snapshot.keys.find(first);
  auto b = snapshot.keys.find(second);
  const char* textA = a != snapshot.keys.end() ? a->second.c_str() : "";
  const char* textB = b != snapshot.keys.end() ? b->second.c_str() : "";
  int order = lstrcmpiA(textA, textB);
  return snapshot.descending ? -order : order;
}

}  // namespace

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
  return Send(LVM_SORTITEMS, static_cast<WPARAM>(parameter), reinterpret_cast<LPARAM>(compare)) != 0;
}

void ListView::SortByKey() {
  if (!hWnd()) return;
  // The texts are read before sorting: the list must not be asked for rows
  // while it rearranges them.
  KeySnapshot snapshot;
  snapshot.descending = sortOrder_ == SortOrder::Descending;
  int count = ItemCount();
  for (int row = 0; row < count; ++row) snapshot.keys[ItemData(row)] = ItemText(row, sortKey_);
  SortItems(&CompareKeyTexts, reinterpret_cast<LPARAM>(&snapshot));
}

}  // namespace quorvane
