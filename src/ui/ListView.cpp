#include "ui/ListView.h"

#include "ui/Screen.h"

namespace quorvane {

namespace {

int ColumnFormat(TextAlign align) {
  switch (align) {
    case TextAlign::Center: return LVCFMT_CENTER;
    case TextAlign::Right: return LVCFMT_RIGHT;
    case TextAlign::Left: break;
  }
  return LVCFMT_LEFT;
}

}  // namespace

ListView::ListView(Container& container, ControlName name, const TwipsRect& place, bool fullRowSelect)
    : Control(container, ControlKind::ListView, std::move(name), place), fullRowSelect_(fullRowSelect) {}

void ListView::CreateControlWindow(HWND parent, int id) {
  DWORD style = LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP | WS_GROUP;
  if (!MakeChildWindow(WC_LISTVIEWA, "", style, WS_EX_CLIENTEDGE, parent, id)) return;
  if (fullRowSelect_) Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (int column = 0; column < ColumnCount(); ++column) InsertColumnIntoWindow(column);
}

void ListView::AfterDestroy() {
  rows_.clear();
  selectedData_ = kNoSelection;
}

int ListView::AddColumn(std::string caption, int widthTwips, TextAlign align) {
  columns_.push_back({std::move(caption), widthTwips, align, {}});
  int column = ColumnCount() - 1;
  if (hWnd()) InsertColumnIntoWindow(column);
  return column;
}

void ListView::InsertColumnIntoWindow(int column) {
  const Column& source = columns_[static_cast<size_t>(column)];
  LVCOLUMNA header{};
  header.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
  header.fmt = ColumnFormat(source.align);
  header.cx = ScreenTwipsToPixels(source.widthTwips);
  header.pszText = const_cast<char*>(source.caption.c_str());
  header.iSubItem = column;
  Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&header));
}

std::string ListView::ColumnCaption(int column) const {
  return column >= 0 && column < ColumnCount() ? columns_[static_cast<size_t>(column)].caption : std::string();
}

std::string ListView::ColumnTag(int column) const {
  return column >= 0 && column < ColumnCount() ? columns_[static_cast<size_t>(column)].tag : std::string();
}

void ListView::SetColumnTag(int column, std::string tag) {
  if (column >= 0 && column < ColumnCount()) columns_[static_cast<size_t>(column)].tag = std::move(tag);
}

int ListView::AddRow(const std::vector<std::string>& texts, LPARAM data) {
  if (!hWnd()) return -1;
  rows_.push_back({data, texts});
  SyncItemCount();
  if (!sorted_) return ItemCount() - 1;
  SortByKey();
  return FindItemByData(data);
}

bool ListView::SetRows(const std::vector<LPARAM>& data) {
  if (!hWnd()) return false;
  selectedData_ = kNoSelection;
  SetSelectedIndex(-1);
  rows_.clear();
  rows_.reserve(data.size());
  for (LPARAM word : data) rows_.push_back({word, {}});
  if (sorted_) SortByKey();
  SyncItemCount();
  return true;
}

void ListView::SyncItemCount() {
  // Setting the count lays out the scroll bars again: only when it changed.
  if (static_cast<size_t>(Send(LVM_GETITEMCOUNT)) != rows_.size())
    Send(LVM_SETITEMCOUNT, rows_.size(), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  InvalidateRect(hWnd(), nullptr, FALSE);
}

void ListView::SetItemText(int row, int column, const std::string& text) {
  if (!hWnd() || row < 0 || row >= ItemCount() || column < 0) return;
  std::vector<std::string>& texts = rows_[static_cast<size_t>(row)].texts;
  if (texts.size() <= static_cast<size_t>(column)) texts.resize(static_cast<size_t>(column) + 1);
  texts[static_cast<size_t>(column)] = text;
  if (sorted_ && column == sortKey_) {
    SortByKey();
  } else {
    Send(LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
  }
}

std::string ListView::ItemText(int row, int column) const {
  if (row < 0 || row >= ItemCount() || column < 0) return {};
  const Row& item = rows_[static_cast<size_t>(row)];
  if (static_cast<size_t>(column) < item.texts.size()) return item.texts[static_cast<size_t>(column)];
  return RowText ? RowText(item.data, column) : std::string();
}

LPARAM ListView::ItemData(int row) const {
  return row >= 0 && row < ItemCount() ? rows_[static_cast<size_t>(row)].data : 0;
}

int ListView::FindItemByData(LPARAM data) const {
  for (size_t row = 0; row < rows_.size(); ++row)
    if (rows_[row].data == data) return static_cast<int>(row);
  return -1;
}

int ListView::ItemCount() const { return static_cast<int>(rows_.size()); }

void ListView::RemoveItem(int row) {
  if (!hWnd() || row < 0 || row >= ItemCount()) return;
  rows_.erase(rows_.begin() + row);
  Send(LVM_DELETEITEM, static_cast<WPARAM>(row));  // moves the selection of the rows below up
  SyncItemCount();
  NoteSelection();
}

void ListView::Clear() {
  if (!hWnd()) return;
  selectedData_ = kNoSelection;
  SetSelectedIndex(-1);
  rows_.clear();
  SyncItemCount();
}

int ListView::SelectedIndex() const {
  if (!hWnd()) return -1;
  return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::SetSelectedIndex(int row) {
  if (!hWnd()) return;
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  if (row < 0) {
    state.stateMask = LVIS_SELECTED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  } else {
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  }
  NoteSelection();  // LVN_ITEMCHANGED has normally done this already
}

void ListView::NoteSelection() {
  int row = SelectedIndex();
  LPARAM data = row >= 0 ? ItemData(row) : kNoSelection;
  if (data == selectedData_) return;
  selectedData_ = data;
  if (row >= 0) {
    ItemClick.Raise(*this, row);
  } else {
    SelectionCleared.Raise(*this);
  }
}

int ListView::FindRow(UINT flags, LPARAM data, const std::string& prefix, int start) const {
  if (flags & LVFI_PARAM) return FindItemByData(data);
  if (!(flags & (LVFI_STRING | LVFI_PARTIAL))) return -1;
  const int count = ItemCount();
  start = start >= 0 && start < count ? start : 0;
  for (int step = 0; step < count; ++step) {
    const int row = (start + step) % count;
    const std::string text = ItemText(row, 0);
    if (text.size() >= prefix.size() &&
        CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), static_cast<int>(prefix.size()),
                       prefix.c_str(), static_cast<int>(prefix.size())) == CSTR_EQUAL)
      return row;
  }
  return -1;
}

bool ListView::BeforeOwnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT* result) {
  // Ctrl+Space selects or clears the focused row, as in Windows' own lists
  // (Wine's list view ignores it).
  if (message != WM_KEYDOWN || wParam != VK_SPACE || !(GetKeyState(VK_CONTROL) & 0x8000)) return false;
  const int focused = static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  if (focused >= 0) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED;
    state.state = SelectedIndex() == focused ? 0 : LVIS_SELECTED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&state));
  }
  *result = 0;
  return true;
}

bool ListView::OnNotify(NMHDR* header, LRESULT* result) {
  *result = 0;
  switch (header->code) {
    case LVN_COLUMNCLICK:
      ColumnClick.Raise(*this, reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
      return true;
    case LVN_GETDISPINFOA: {
      LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
      if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
        lstrcpynA(item.pszText, ItemText(item.iItem, item.iSubItem).c_str(), item.cchTextMax);
      return true;
    }
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
      if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        const std::string text = ItemText(item.iItem, item.iSubItem);
        const int written = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, item.pszText, item.cchTextMax);
        if (written == 0) item.pszText[item.cchTextMax - 1] = L'\0';
      }
      return true;
    }
    case LVN_ODFINDITEMA: {
      // LVM_FINDITEM, and typing a name's first letters.
      const auto* find = reinterpret_cast<NMLVFINDITEMA*>(header);
      *result = FindRow(find->lvfi.flags, find->lvfi.lParam, find->lvfi.psz ? find->lvfi.psz : "", find->iStart);
      return true;
    }
    case LVN_ODFINDITEMW: {
      const auto* find = reinterpret_cast<NMLVFINDITEMW*>(header);
      char text[260] = {};
      if (find->lvfi.psz) WideCharToMultiByte(CP_ACP, 0, find->lvfi.psz, -1, text, sizeof text - 1, nullptr, nullptr);
      *result = FindRow(find->lvfi.flags, find->lvfi.lParam, text, find->iStart);
      return true;
    }
    case LVN_ITEMCHANGED:
    case LVN_ODSTATECHANGED:
      // An owner-data list reports some changes for all rows at once (item -1):
      // ask it which row is selected now.
      if (!quietSelection_) NoteSelection();
      return true;
    case NM_CLICK:
    case NM_RCLICK: {
      // The list swallows the button's release in its own drag detection and
      // reports the click instead, at the release.
      POINT at = reinterpret_cast<NMITEMACTIVATE*>(header)->ptAction;
      MouseEventArgs args;
      args.button = header->code == NM_CLICK ? kLeftButton : kRightButton;
      args.x = at.x;
      args.y = at.y;
      args.shift = ShiftState();
      MouseUp.Raise(*this, args);
      return true;
    }
  }
  return false;
}

}  // namespace quorvane
