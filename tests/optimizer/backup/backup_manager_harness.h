// A main window with the real backup manager in its slot, the program folder
// moved to a fresh temporary folder, and helpers that drive the window by the
// messages a person's clicks send.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "optimizer/backup/frmBackUp.h"
#include "optimizer/tcpip_fixture.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "support/RecordingEffects.h"
#include "system/ProgramFolder.h"
#include "ui/ui_test_support.h"

namespace testing {

class BackupManagerHarness {
 public:
  explicit BackupManagerHarness(const std::string& name) : program(name) {
    quorvane::SaveAppSetting(quorvane::kMainSettingsSection, "chkRunProgramMini", "0");
    // The movie with its pages, so that a test can see it sent home.
    CopyFileA(DataFile("Quorvane.swf").c_str(), (program / "Quorvane.swf").c_str(), FALSE);
    quorvane::OverrideProgramFolder(program.path());
    main.ToolWindowSlots.Install(quorvane::ToolWindow::BackUp, backup);
    main.Load();
  }
  ~BackupManagerHarness() {
    if (main.IsLoaded()) main.Unload();
    quorvane::OverrideProgramFolder("");
  }

  std::string Backups() const { return program / "Backups"; }
  std::string BackupPath(const std::string& file) const { return Backups() + "\\" + file; }

  // A backup file that begins with the date, time and system lines (and more lines).
  void WriteBackup(const std::string& file, const std::string& date, const std::string& time, int os = 6,
                   const std::string& rest = "") const {
    WriteFile(file, "#" + date + "#\r\n#" + time + "#\r\n" + std::to_string(os) + "\r\n" + rest);
  }
  void WriteFile(const std::string& file, const std::string& content) const {
    CreateDirectoryA(Backups().c_str(), nullptr);
    HANDLE handle = CreateFileA(BackupPath(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(handle, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(handle);
  }

  // The command the movie raises for the backup manager: refill, then show.
  void Open() { main.Flash_FSCommand("IDC_FS_backupmanager", ""); }

  // A click on a column header (0 "File Name", 1 "Creating Date", 2 "Creating Time").
  void ClickHeader(int column) {
    HWND header = reinterpret_cast<HWND>(backup.lstBackUpList.Send(LVM_GETHEADER));
    RECT item{};
    SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(header, WM_LBUTTONUP, 0, at);
  }

  // A left click on a row, as the mouse makes it.
  void ClickRow(int row) {
    quorvane::ListView& list = backup.lstBackUpList;
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    list.Send(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
    LPARAM at = MAKELPARAM(bounds.left + 5, (bounds.top + bounds.bottom) / 2);
    PostMessageA(list.hWnd(), WM_LBUTTONUP, 0, at);  // read by the list's drag detection
    SendMessageA(list.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list.hWnd(), WM_LBUTTONUP, 0, at);
    PumpUntil([] { return false; }, 30);
  }

  // The row whose name is this, clicked.
  void ClickRowNamed(const std::string& name) {
    std::vector<std::string> names = Column(0);
    for (size_t row = 0; row < names.size(); ++row)
      if (names[row] == name) return ClickRow(static_cast<int>(row));
  }

  static void Press(quorvane::CommandButton& button) { button.Send(BM_CLICK); }

  std::vector<std::string> Column(int column) const {
    std::vector<std::string> texts;
    for (int row = 0; row < backup.lstBackUpList.ItemCount(); ++row)
      texts.push_back(backup.lstBackUpList.ItemText(row, column));
    return texts;
  }
  std::vector<std::string> Tags() const {
    std::vector<std::string> tags;
    for (int column = 0; column < 3; ++column) tags.push_back(backup.lstBackUpList.ColumnTag(column));
    return tags;
  }
  bool ButtonsEnabled() const {
    return IsWindowEnabled(backup.cmdRestore.hWnd()) && IsWindowEnabled(backup.cmdDelete.hWnd());
  }
  bool ButtonsDisabled() const {
    return !IsWindowEnabled(backup.cmdRestore.hWnd()) && !IsWindowEnabled(backup.cmdDelete.hWnd());
  }
  bool FrameInFront() const { return GetWindow(main.hWnd(), GW_CHILD) == main.framChildWindow.hWnd(); }

  TempFolder program;
  RecordingEffects effects;
  quorvane::frmMain main;
  quorvane::frmBackUp backup;

  // A file of the repository's data folder, by its path under Wine's drive Z:.
  static std::string DataFile(const std::string& name) {
    std::string path = std::string("Z:") + QUORVANE_DATA_DIR + "/" + name;
    for (char& c : path)
      if (c == '/') c = '\\';
    return path;
  }
};

// The user's regional forms, as Windows gives them.
inline std::string UserShortDate(int year, int month, int day) {
  SYSTEMTIME when{};
  when.wYear = static_cast<WORD>(year);
  when.wMonth = static_cast<WORD>(month);
  when.wDay = static_cast<WORD>(day);
  char text[80] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, text, sizeof text);
  return text;
}
inline std::string UserTime(int hour, int minute, int second) {
  SYSTEMTIME when{};
  when.wYear = 2001;
  when.wMonth = 1;
  when.wDay = 1;
  when.wHour = static_cast<WORD>(hour);
  when.wMinute = static_cast<WORD>(minute);
  when.wSecond = static_cast<WORD>(second);
  char text[80] = {};
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &when, nullptr, text, sizeof text);
  return text;
}

}  // namespace testing
