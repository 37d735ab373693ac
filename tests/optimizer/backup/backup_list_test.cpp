#include <doctest.h>

#include "backup_manager_harness.h"
#include "optimizer/backup/BackupStampCache.h"

using namespace quorvane;
using Texts = std::vector<std::string>;
using testing::BackupManagerHarness;

TEST_CASE("the sort values: days from 30 December 1899 and seconds since midnight") {
  CHECK(DaysSince1899({1899, 12, 30}) == 0);
  CHECK(DaysSince1899({1900, 1, 1}) == 2);
  CHECK(DaysSince1899({1900, 3, 1}) == 61);
  CHECK(DaysSince1899({2004, 5, 1}) == 38108);
  CHECK(DaysSince1899({2000, 2, 29}) + 1 == DaysSince1899({2000, 3, 1}));
  CHECK(DaysSince1899({1899, 12, 29}) == -1);
  CHECK(SecondsSinceMidnight({17, 30, 5}) == 63005);
  CHECK(BackupRowName("notes.bck") == "notes.BCK");
  CHECK(BackupRowName("Copy of 005.BCK") == "Copy of 005.BCK");
}

TEST_CASE("the stamp cache reads a file once, and again only when its size or last-write time changed") {
  BackupManagerHarness h("BackupStampCache");
  h.WriteBackup("001.BCK", "2004-05-01", "17:05:03");
  h.WriteBackup("002.BCK", "2004-05-02", "17:05:03");
  auto writeTime = [&](const std::string& file, FILETIME* get, const FILETIME* set) {
    HANDLE handle = CreateFileA(h.BackupPath(file).c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (get) GetFileTime(handle, nullptr, nullptr, get);
    if (set) SetFileTime(handle, nullptr, nullptr, set);
    CloseHandle(handle);
  };
  BackupStampCache cache;
  // A refill's listing, then the list's request for the row of 001.BCK.
  auto yearOf001 = [&] {
    cache.List(h.Backups());
    const std::optional<BackupStamp> stamp = cache.Read(h.Backups(), "001.BCK");
    return stamp ? stamp->date.year : 0;
  };
  CHECK(yearOf001() == 2004);
  CHECK(yearOf001() == 2004);
  CHECK(cache.FilesRead() == 1);
  CHECK(cache.List(h.Backups()).size() == 2);
  CHECK(cache.FilesRead() == 1);

  FILETIME written{};
  writeTime("001.BCK", &written, nullptr);
  h.WriteBackup("001.BCK", "2009-05-01", "17:05:03");  // the same size
  ++written.dwHighDateTime;
  writeTime("001.BCK", nullptr, &written);
  CHECK(yearOf001() == 2009);
  CHECK(cache.FilesRead() == 2);

  h.WriteBackup("001.BCK", "2010-05-01", "17:05:03", 6, "more");  // longer, the same time
  writeTime("001.BCK", nullptr, &written);
  CHECK(yearOf001() == 2010);
  CHECK(cache.FilesRead() == 3);
}

TEST_CASE("opening the backup manager fills the list from the Backups folder") {
  BackupManagerHarness h("BackupList");

  SUBCASE("without a Backups folder: the folder is made, the list is empty, the buttons disabled") {
    h.Open();
    const DWORD attributes = GetFileAttributesA(h.Backups().c_str());
    CHECK(attributes != INVALID_FILE_ATTRIBUTES);
    CHECK((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    CHECK(h.backup.lstBackUpList.ItemCount() == 0);
    CHECK(h.ButtonsDisabled());
    CHECK(h.backup.Visible());
    CHECK(h.FrameInFront());
  }

  SUBCASE("rows show the name with .BCK and the stamp in the user's forms; other files only their name") {
    h.WriteBackup("001.BCK", "2004-05-01", "17:05:03");
    h.WriteBackup("abc.bck", "1999-12-31", "09:00:00");
    h.WriteFile("002.BCK", "");                                // empty
    h.WriteFile("003.BCK", "#2004-05-01#\r\nnot a time\r\n6");  // a date without a time
    h.WriteFile("notes.txt", "#2004-05-01#\r\n#17:05:03#\r\n");
    h.Open();
    CHECK(h.backup.lstBackUpList.ItemCount() == 4);
    // The stamps not shown yet are read after the open; then the timer stops.
    CHECK(h.backup.tmrReadStamps.Running());
    CHECK(testing::PumpUntil([&] { return !h.backup.tmrReadStamps.Running(); }));
    h.ClickHeader(0);
    CHECK(h.Column(0) == Texts{"001.BCK", "002.BCK", "003.BCK", "abc.BCK"});
    CHECK(h.Column(1) == Texts{testing::UserShortDate(2004, 5, 1), "", "", testing::UserShortDate(1999, 12, 31)});
    CHECK(h.Column(2) == Texts{testing::UserTime(17, 5, 3), "", "", testing::UserTime(9, 0, 0)});
    CHECK(h.Column(1)[0] != "2004-05-01");

    // A later refill shows what the folder holds then, still sorted by name.
    DeleteFileA(h.BackupPath("002.BCK").c_str());
    h.WriteBackup("000.BCK", "2001-01-01", "00:00:01");
    h.backup.intializeList();
    CHECK(h.Column(0) == Texts{"000.BCK", "001.BCK", "003.BCK", "abc.BCK"});
  }
}

TEST_CASE("column clicks: first ascending, then reversing, the other tags cleared") {
  BackupManagerHarness h("BackupSort");
  // Dates and times in different orders, so each column gives its own sequence.
  h.WriteBackup("002.BCK", "2004-05-01", "17:30:00");
  h.WriteBackup("010.BCK", "1999-12-31", "23:59:59");
  h.WriteBackup("001.BCK", "2007-10-04", "09:00:00");
  h.WriteBackup("005.BCK", "2004-04-30", "12:00:00");
  h.Open();
  const Texts byDate{"010.BCK", "005.BCK", "002.BCK", "001.BCK"};
  const Texts byDateDown{"001.BCK", "002.BCK", "005.BCK", "010.BCK"};
  const Texts byTime{"001.BCK", "005.BCK", "002.BCK", "010.BCK"};
  const Texts byName{"001.BCK", "002.BCK", "005.BCK", "010.BCK"};

  h.ClickHeader(1);
  CHECK(h.Column(0) == byDate);
  CHECK(h.Tags() == Texts{"", "ASC", ""});
  CHECK(h.backup.SortColumn() == frmBackUp::kDateColumn);
  h.ClickHeader(1);
  CHECK(h.Column(0) == byDateDown);
  CHECK(h.Tags() == Texts{"", "DESC", ""});
  h.ClickHeader(1);
  CHECK(h.Column(0) == byDate);
  CHECK(h.Tags() == Texts{"", "ASC", ""});

  // Another column starts again with ascending, and so does the date column after it.
  h.ClickHeader(2);
  CHECK(h.Column(0) == byTime);
  CHECK(h.Tags() == Texts{"", "", "ASC"});
  h.ClickHeader(2);
  CHECK(h.Column(0) == Texts(byTime.rbegin(), byTime.rend()));
  CHECK(h.Tags() == Texts{"", "", "DESC"});
  h.ClickHeader(1);
  CHECK(h.Column(0) == byDate);
  CHECK(h.Tags() == Texts{"", "ASC", ""});

  // The name column is kept sorted by the list itself, also through a refill.
  h.ClickHeader(0);
  CHECK(h.Column(0) == byName);
  CHECK(h.Tags() == Texts{"ASC", "", ""});
  CHECK(h.backup.lstBackUpList.Sorted());
  h.ClickHeader(0);
  CHECK(h.Column(0) == Texts(byName.rbegin(), byName.rend()));
  CHECK(h.Tags() == Texts{"DESC", "", ""});
  h.WriteBackup("003.BCK", "2004-05-01", "17:30:00");
  h.backup.intializeList();
  CHECK(h.Column(0) == Texts{"010.BCK", "005.BCK", "003.BCK", "002.BCK", "001.BCK"});
  CHECK(h.Tags() == Texts{"DESC", "", ""});

  // Sorting by date switches the list's own sorting off.
  h.ClickHeader(1);
  CHECK_FALSE(h.backup.lstBackUpList.Sorted());
  CHECK(h.Column(1).front() == testing::UserShortDate(1999, 12, 31));
}

TEST_CASE("the time column sorts by time of day alone; files without a stamp sort as the value 0") {
  BackupManagerHarness h("BackupTimeSort");
  h.WriteBackup("001.BCK", "2007-01-01", "17:30:00");  // the later date, the later time
  h.WriteBackup("002.BCK", "1999-01-01", "17:30:01");
  h.WriteBackup("003.BCK", "2010-06-30", "09:00:00");
  h.WriteFile("004.BCK", "foreign text\r\n");
  h.WriteBackup("005.BCK", "1899-12-29", "00:00:00");  // before day 0, at second 0
  h.Open();

  h.ClickHeader(2);
  // Midnight is second 0 like the foreign file; equal values keep no defined order.
  Texts byTime = h.Column(0);
  REQUIRE(byTime.size() == 5);
  CHECK(Texts(byTime.begin() + 2, byTime.end()) == Texts{"003.BCK", "001.BCK", "002.BCK"});
  h.ClickHeader(2);
  byTime = h.Column(0);
  CHECK(Texts(byTime.begin(), byTime.begin() + 3) == Texts{"002.BCK", "001.BCK", "003.BCK"});

  h.ClickHeader(1);
  CHECK(h.Column(0) == Texts{"005.BCK", "004.BCK", "002.BCK", "001.BCK", "003.BCK"});
  h.ClickHeader(1);
  CHECK(h.Column(0) == Texts{"003.BCK", "001.BCK", "002.BCK", "004.BCK", "005.BCK"});
}

TEST_CASE("the buttons wait for a selected row") {
  BackupManagerHarness h("BackupSelect");
  h.WriteBackup("001.BCK", "2004-05-01", "17:05:03");
  h.WriteBackup("002.BCK", "2004-05-02", "17:05:03");
  h.Open();
  CHECK(h.ButtonsDisabled());
  h.ClickHeader(1);  // no row selected: still disabled
  CHECK(h.ButtonsDisabled());

  h.ClickRow(1);
  CHECK(h.backup.lstBackUpList.SelectedIndex() == 1);
  CHECK(h.ButtonsEnabled());
  h.backup.intializeList();  // every refill disables them again
  CHECK(h.ButtonsDisabled());
  CHECK(h.backup.lstBackUpList.SelectedIndex() == -1);

  // The arrow keys select rows as a click does; a click on no row clears it again.
  HWND list = h.backup.lstBackUpList.hWnd();
  SetFocus(list);
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_UP}) {
    SendMessageA(list, WM_KEYDOWN, key, 1);
    SendMessageA(list, WM_KEYUP, key, 0xC0000001);
  }
  CHECK(h.backup.lstBackUpList.SelectedIndex() == 0);
  CHECK(h.ButtonsEnabled());
  CHECK(IsWindowEnabled(h.backup.cmdExport.hWnd()));
  RECT client{};
  GetClientRect(list, &client);
  const LPARAM empty = MAKELPARAM(client.right / 2, client.bottom - 5);
  PostMessageA(list, WM_LBUTTONUP, 0, empty);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, empty);
  testing::PumpUntil([] { return false; }, 30);
  CHECK(h.backup.lstBackUpList.SelectedIndex() == -1);
  CHECK(h.ButtonsDisabled());
  CHECK_FALSE(IsWindowEnabled(h.backup.cmdExport.hWnd()));
  CHECK(h.effects.messageBoxes.empty());
}

TEST_CASE("the buttons follow the selection when it is cleared by the keyboard or another program") {
  BackupManagerHarness h("BackupDeselect");
  h.WriteBackup("001.BCK", "2004-05-01", "17:05:03");
  h.WriteBackup("002.BCK", "2004-05-02", "17:05:03");
  h.Open();
  HWND list = h.backup.lstBackUpList.hWnd();
  const struct {
    std::string way;
    void (*clear)(HWND list);
  } ways[] = {
      {"Ctrl+Space on the selected row",
       [](HWND to) {
         BYTE keys[256] = {};
         GetKeyboardState(keys);
         keys[VK_CONTROL] = 0x80;
         SetKeyboardState(keys);
         SendMessageA(to, WM_KEYDOWN, VK_SPACE, 1);
         SendMessageA(to, WM_CHAR, ' ', 1);
         SendMessageA(to, WM_KEYUP, VK_SPACE, 0xC0000001);
         keys[VK_CONTROL] = 0;
         SetKeyboardState(keys);
       }},
      {"another program's LVM_SETITEMSTATE on every row",
       [](HWND to) {
         LVITEMA none{};
         none.stateMask = LVIS_SELECTED;
         SendMessageA(to, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
       }},
  };
  for (const auto& way : ways) {
    CAPTURE(way.way);
    h.ClickRow(1);
    REQUIRE(h.ButtonsEnabled());
    SetFocus(list);
    way.clear(list);
    testing::PumpUntil([] { return false; }, 30);
    CHECK(h.backup.lstBackUpList.SelectedIndex() == -1);
    CHECK(h.ButtonsDisabled());
    CHECK_FALSE(IsWindowEnabled(h.backup.cmdExport.hWnd()));
  }
}

TEST_CASE("the selection stays with its row through a sort; Home, End and typed names select rows") {
  BackupManagerHarness h("BackupSortSelect");
  h.WriteBackup("001.BCK", "2004-05-01", "17:05:03");
  h.WriteBackup("002.BCK", "2004-05-02", "17:05:03");
  h.WriteBackup("003.BCK", "2004-05-03", "17:05:03");
  h.Open();
  h.ClickHeader(1);
  h.ClickRowNamed("001.BCK");
  h.ClickHeader(1);  // descending: 001.BCK moves to the end
  ListView& list = h.backup.lstBackUpList;
  CHECK(list.SelectedIndex() == 2);
  CHECK(list.ItemText(list.SelectedIndex()) == "001.BCK");
  CHECK(h.ButtonsEnabled());

  SetFocus(list.hWnd());
  testing::PressKey(list.hWnd(), VK_HOME);
  CHECK(list.ItemText(list.SelectedIndex()) == "003.BCK");
  testing::PressKey(list.hWnd(), VK_END);
  CHECK(list.ItemText(list.SelectedIndex()) == "001.BCK");
  testing::TypeText(list.hWnd(), "002");  // a name's first letters go to its row
  CHECK(list.ItemText(list.SelectedIndex()) == "002.BCK");
  CHECK(h.ButtonsEnabled());
}
