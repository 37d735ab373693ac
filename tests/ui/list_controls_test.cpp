#include <doctest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Slider.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"
#include "ui_test_support.h"

using namespace quorvane;
using testing::PressKey;
using testing::WindowTextOf;

namespace {

class ListsForm : public Form {
 public:
  ListsForm() : Form("frmLists", "Lists", {7000, 5000}) {
    cmbNDI.Click = [this] { log.push_back("cmbNDI=" + cmbNDI.Text()); };
    lstBackUpList.AddColumn("File Name", 1500);
    lstBackUpList.AddColumn("Creating Date", 1500);
    lstBackUpList.AddColumn("Creating Time", 1500);
    lstBackUpList.ColumnClick = [this](int column) { log.push_back("column " + std::to_string(column)); };
    lstBackUpList.ItemClick = [this](int row) { log.push_back("row " + std::to_string(row)); };
    lstBackUpList.MouseUp = [this](const MouseEventArgs& args) {
      log.push_back("mouseup " + std::to_string(args.button));
    };
    sldMemorySpeed.Change = [this] { log.push_back("change " + std::to_string(sldMemorySpeed.Value())); };
    sldMemorySpeed.Click = [this] { log.push_back("click " + std::to_string(sldMemorySpeed.Value())); };
    updnTimeCheck.Change = [this] { log.push_back("updn " + std::to_string(updnTimeCheck.Value())); };
    txtTimeCheck.Change = [this] { log.push_back("txt " + txtTimeCheck.Text()); };
  }

  ComboBox cmbNDI{*this, "cmbNDI", {120, 120, 1200, 315}, {"0", "2", "4", "8", "16", "32", "64"}};
  ListView lstBackUpList{*this, "lstBackUpList", {120, 600, 5000, 2000}};
  Slider sldMemorySpeed{*this, "sldMemorySpeed", {120, 2800, 3000, 450}, 300, 1000};
  TextBox txtTimeCheck{*this, "txtTimeCheck", {3500, 2800, 1200, 285}, "100"};
  UpDown updnTimeCheck{txtTimeCheck, "updnTimeCheck", 100, 65535};
  std::vector<std::string> log;
};

// The backup manager's way of sorting: rows found by their data word, texts read
// from the list whose handle comes as the sort parameter, compared as numbers.
int gSortColumn = 1;
bool gDescending = false;

int CALLBACK CompareAsNumbers(LPARAM first, LPARAM second, LPARAM list) {
  auto textOf = [list](LPARAM data) {
    HWND hwnd = reinterpret_cast<HWND>(list);
    LVFINDINFOA find{};
    find.flags = LVFI_PARAM;
    find.lParam = data;
    int row = static_cast<int>(SendMessageA(hwnd, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    char buffer[32] = {};
    LVITEMA item{};
    item.iSubItem = gSortColumn;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(hwnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return std::atoi(buffer);
  };
  int a = textOf(first), b = textOf(second);
  if (gDescending) std::swap(a, b);
  return a < b ? -1 : a == b ? 0 : 1;
}

std::vector<std::string> Column(const ListView& list, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < list.ItemCount(); ++row) texts.push_back(list.ItemText(row, column));
  return texts;
}

}  // namespace

TEST_CASE("a combo box with a fixed list raises Click when the selection changes, by code or by the user") {
  ListsForm form;
  form.Load();
  CHECK(form.cmbNDI.ListCount() == 7);
  CHECK(form.cmbNDI.Send(CB_GETCOUNT) == 7);
  CHECK(form.cmbNDI.ListIndex() == -1);
  CHECK((testing::StyleOf(form.cmbNDI.hWnd()) & 3) == CBS_DROPDOWNLIST);

  CHECK(form.cmbNDI.SetListIndex(0));
  CHECK(form.cmbNDI.SetListIndex(0));  // no change, no Click
  CHECK_FALSE(form.cmbNDI.SetListIndex(7));
  CHECK(form.cmbNDI.Send(CB_GETCURSEL) == 0);
  CHECK(form.log == std::vector<std::string>{"cmbNDI=0"});

  PressKey(form.cmbNDI.hWnd(), VK_DOWN);  // the user steps to the next item
  CHECK(form.cmbNDI.ListIndex() == 1);
  CHECK(form.log == std::vector<std::string>{"cmbNDI=0", "cmbNDI=2"});

  form.cmbNDI.Clear();
  CHECK(form.cmbNDI.ListIndex() == -1);
  CHECK(form.cmbNDI.Send(CB_GETCOUNT) == 0);
  CHECK(form.log.size() == 2);
  for (int minutes = 1; minutes <= 60; ++minutes) form.cmbNDI.AddItem(std::to_string(minutes) + " min.");
  form.cmbNDI.SetListIndex(59);
  CHECK(form.cmbNDI.Text() == "60 min.");
}

TEST_CASE("a list view in report view: columns, rows with data words, selection and clicks") {
  ListsForm form;
  form.Load();
  ListView& list = form.lstBackUpList;
  HWND header = reinterpret_cast<HWND>(list.Send(LVM_GETHEADER));
  CHECK(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) == 3);
  CHECK(list.ColumnCaption(1) == "Creating Date");
  CHECK((testing::StyleOf(list.hWnd()) & LVS_TYPEMASK) == LVS_REPORT);

  CHECK(list.AddRow({"001.BCK", "05/01/2004", "17"}) == 0);
  CHECK(list.AddRow({"002.BCK", "03/01/2004", "9"}) == 1);
  CHECK(list.AddRow({"003.BCK", "04/01/2004", "12"}) == 2);
  CHECK(list.ItemText(1, 2) == "9");
  CHECK(list.ItemData(0) != list.ItemData(1));
  CHECK(list.FindItemByData(list.ItemData(2)) == 2);
  CHECK(list.SelectedIndex() == -1);
  CHECK(form.log.empty());

  SUBCASE("selection from code raises ItemClick as a click does") {
    list.SetSelectedIndex(1);
    list.SetSelectedIndex(1);
    CHECK(list.SelectedIndex() == 1);
    CHECK(form.log == std::vector<std::string>{"row 1"});
    list.SetSelectedIndex(-1);
    CHECK(list.SelectedIndex() == -1);
    CHECK(form.log.size() == 1);
  }

  SUBCASE("a mouse click on a row selects it and raises MouseUp") {
    RECT row{};
    row.left = LVIR_BOUNDS;
    list.Send(LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
    PostMessageA(list.hWnd(), WM_LBUTTONUP, 0, at);  // read by the list's drag detection
    SendMessageA(list.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list.hWnd(), WM_LBUTTONUP, 0, at);
    testing::PumpUntil([] { return false; }, 50);
    CHECK(list.SelectedIndex() == 2);
    CHECK(form.log.front() == "row 2");
    CHECK(form.log.back() == "mouseup 1");
  }

  SUBCASE("a click on a column header raises ColumnClick with its index") {
    RECT item{};
    SendMessageA(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(header, WM_LBUTTONUP, 0, at);
    CHECK(form.log == std::vector<std::string>{"column 2"});
  }

  SUBCASE("sorting by a compare function through LVM_SORTITEMS") {
    gSortColumn = 2;
    gDescending = false;
    CHECK(list.SortItems(&CompareAsNumbers, reinterpret_cast<LPARAM>(list.hWnd())));
    CHECK(Column(list, 2) == std::vector<std::string>{"9", "12", "17"});
    gDescending = true;
    list.SortItems(&CompareAsNumbers, reinterpret_cast<LPARAM>(list.hWnd()));
    CHECK(Column(list, 0) == std::vector<std::string>{"001.BCK", "003.BCK", "002.BCK"});
  }

  SUBCASE("the list's own sorting by a column's text keeps added rows in order") {
    list.SetSortKey(0);
    list.SetSortOrder(SortOrder::Descending);
    list.SetSorted(true);
    CHECK(Column(list, 0) == std::vector<std::string>{"003.BCK", "002.BCK", "001.BCK"});
    CHECK(list.AddRow({"002a.BCK", "x", "1"}) == 1);
    CHECK(list.ItemText(1, 2) == "1");
    list.SetSortOrder(SortOrder::Ascending);
    CHECK(Column(list, 0) == std::vector<std::string>{"001.BCK", "002.BCK", "002a.BCK", "003.BCK"});
  }

  SUBCASE("column tags live with the list, rows go with Clear") {
    list.SetColumnTag(1, "ASC");
    list.SetSelectedIndex(0);
    list.Clear();
    CHECK(list.ItemCount() == 0);
    CHECK(list.SelectedIndex() == -1);
    CHECK(list.ColumnTag(1) == "ASC");
    CHECK(list.ColumnTag(2).empty());
    CHECK(list.ColumnTag(7).empty());
    // After a Clear, selecting a row again is a new selection.
    list.AddItem("004.BCK");
    form.log.clear();
    list.SetSelectedIndex(0);
    CHECK(form.log == std::vector<std::string>{"row 0"});
  }
}

TEST_CASE("a slider keeps its value in range and raises Change, and Click when the user is done") {
  ListsForm form;
  form.Load();
  Slider& slider = form.sldMemorySpeed;
  CHECK(slider.Value() == 300);
  CHECK(slider.Send(TBM_GETRANGEMAX) == 1000);

  slider.SetValue(1000);
  slider.SetValue(1000);
  slider.SetValue(5000);  // kept at the maximum: no change
  CHECK(slider.Send(TBM_GETPOS) == 1000);
  CHECK(form.log == std::vector<std::string>{"change 1000"});

  form.log.clear();
  PressKey(slider.hWnd(), VK_LEFT);
  CHECK(slider.Value() == 999);
  CHECK(form.log == std::vector<std::string>{"change 999", "click 999"});

  form.log.clear();
  slider.SetRange(30, 100);  // the value moves into the new range
  CHECK(slider.Value() == 100);
  CHECK(slider.Send(TBM_GETPOS) == 100);
  CHECK(form.log == std::vector<std::string>{"change 100"});
}

TEST_CASE("an up-down is paired with its text box: the box holds its value") {
  ListsForm form;
  form.Load();
  UpDown& updn = form.updnTimeCheck;
  HWND box = form.txtTimeCheck.hWnd();
  CHECK(reinterpret_cast<HWND>(updn.Send(UDM_GETBUDDY)) == box);
  CHECK(updn.Value() == 100);
  // It sits at the box's right edge, within the box's designed width.
  RECT boxBounds, upDownBounds;
  GetWindowRect(box, &boxBounds);
  GetWindowRect(updn.hWnd(), &upDownBounds);
  CHECK(upDownBounds.left < boxBounds.right);
  CHECK(upDownBounds.right > boxBounds.right);
  CHECK(std::abs(upDownBounds.right - boxBounds.left - TwipsToPixels(1200)) <= 2);  // over the box's border
  CHECK(upDownBounds.top == boxBounds.top);
  CHECK(form.log.empty());

  SUBCASE("set from code: the box shows the value") {
    updn.SetValue(250);
    CHECK(WindowTextOf(box) == "250");
    CHECK(form.log == std::vector<std::string>{"txt 250", "updn 250"});
    updn.SetValue(70000);  // kept at the maximum
    CHECK(updn.Value() == 65535);
    CHECK(WindowTextOf(box) == "65535");
  }

  SUBCASE("typed into the box") {
    form.txtTimeCheck.SetText("500");
    CHECK(updn.Value() == 500);
    form.txtTimeCheck.SetText("fast");  // not a number: the last value stays
    CHECK(updn.Value() == 500);
    form.txtTimeCheck.SetText("99");  // below the range
    CHECK(updn.Value() == 500);
  }

  SUBCASE("stepped with the arrow key in the box") {
    PressKey(box, VK_UP);
    CHECK(updn.Value() == 101);
    CHECK(WindowTextOf(box) == "101");
    CHECK(form.log == std::vector<std::string>{"txt 101", "updn 101"});
  }
}
