// Shows the backup manager with a few backups inside the main window, for a
// screenshot (tests/optimizer/backup/screenshot_backup_manager.sh). Closes itself
// after the seconds given on the command line (10 by default).
#include <windows.h>

#include <cstdlib>
#include <string>

#include "optimizer/BackupFormat.h"
#include "optimizer/backup/frmBackUp.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "support/DemoSupport.h"
#include "system/ProgramFolder.h"
#include "ui/MessageLoop.h"

using namespace quorvane;

namespace {

void WriteText(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  const int seconds = commandLine && *commandLine ? std::atoi(commandLine) : 10;
  // A program folder of its own with the movie and the skin, and four backups.
  testing::UseDemoProgramFolder("QuorvaneBackupDemo", QUORVANE_DATA_DIR);
  const std::string backups = BackupsFolder();
  CreateDirectoryA(backups.c_str(), nullptr);
  const struct {
    int number;
    BackupDate date;
    BackupTime time;
  } kBackups[] = {{1, {2007, 10, 4}, {17, 5, 3}},
                  {2, {2007, 10, 5}, {9, 0, 0}},
                  {3, {2007, 11, 12}, {23, 41, 17}},
                  {4, {2008, 1, 2}, {8, 15, 44}}};
  for (const auto& backup : kBackups)
    WriteText(backups + "\\" + BackupFileName(backup.number),
              FormatDateItem(backup.date) + "\r\n" + FormatTimeItem(backup.time) + "\r\n6\r\n");
  WriteText(backups + "\\notes.BCK", "not a backup\r\n");

  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
  frmMain main;
  frmBackUp manager;
  main.ToolWindowSlots.Install(ToolWindow::BackUp, manager);
  main.Load();
  main.Show();
  main.Flash_FSCommand("IDC_FS_backupmanager", "");
  manager.lstBackUpList_ColumnClick(1);  // by date, ascending
  manager.lstBackUpList.SetSelectedIndex(2);
  manager.lstBackUpList_MouseUp({});

  const int code = testing::RunMessageLoopFor(seconds);
  main.Unload();
  return code;
}
