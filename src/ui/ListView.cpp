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
  DWORD style = LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | WS_TABSTOP | WS_GROUP;
  if (!MakeChildWindow(WC_LISTVIEWA, "", style, WS_EX_CLIENTEDGE, parent, id)) return;
  if (fullRowSelect_) Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (int column = 0; column < ColumnCount(); ++column) InsertColumnIntoWindow(column);
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
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = ItemCount();
  item.pszText = const_cast<char*>(texts.empty() ? "" : texts.front().c_str());
  item.lParam = data;
  int row = static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return -1;
  for (size_t column = 1; column < texts.size(); ++column)
    SetItemText(row, static_cast<int>(column), texts[column]);
  if (!sorted_) return row;
  SortByKey();
  return FindItemByData(data);
}

void ListView::SetItemText(int row, int column, const std::string& text) {
  if (!hWnd() || row < 0) return;
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  if (sorted_ && column == sortKey_) SortByKey();
}

std::string ListView::ItemText(int row, int column) const {
  if (!hWnd() || row < 0) return {};
  // LVM_GETITEMTEXT returns the length copied; a full buffer may mean more.
  for (size_t capacity = 256;; capacity *= 4) {
    std::string text(capacity, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(capacity);
    int length = static_cast<int>(Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (length < static_cast<int>(capacity) - 1 || capacity >= 65536) {
      text.resize(static_cast<size_t>(length > 0 ? length : 0));
      return text;
    }
  }
}

LPARAM ListView::ItemData(int row) const {
  if (!hWnd() || row < 0) return 0;
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  return Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

int ListView::FindItemByData(LPARAM data) const {
  if (!hWnd()) return -1;
  LVFINDINFOA find{};
  find.flags = LVFI_PARAM;
  find.lParam = data;
  return static_cast<int>(Send(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

int ListView::ItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

void ListView::RemoveItem(int row) {
  if (!hWnd() || row < 0) return;
  Send(LVM_DELETEITEM, static_cast<WPARAM>(row));
  NoteSelection();
}

void ListView::Clear() {
  if (!hWnd()) return;
  Send(LVM_DELETEALLITEMS);
  selectedData_ = kNoSelection;
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

bool ListView::OnNotify(NMHDR* header, LRESULT* result) {
  *result = 0;
  switch (header->code) {
    case LVN_COLUMNCLICK:
      ColumnClick.Raise(*this, reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
      return true;
    case LVN_ITEMCHANGED: {
      auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      if ((change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_SELECTED))
        NoteSelection();
      return true;
    }
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
