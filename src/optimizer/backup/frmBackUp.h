// The backup manager: lists the backup files with their dates and times, sorts
// them by any column, deletes one, or writes one's values back into the
// registry. Hosted in the main window, which refills the list before showing it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "optimizer/backup/BackupRow.h"
#include "optimizer/backup/BackupStampCache.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/ListView.h"
#include "ui/Timer.h"
#include "ui/ToolWindowHost.h"

namespace quorvane {

class frmBackUp : public ToolForm, public BackupListWindow {
 public:
  frmBackUp();

  // Empties the list and fills it from the Backups folder (made when missing).
  void intializeList() override;
  // Adds the row of one file.
  void AddBackupItem(const std::string& path);

  void lstBackUpList_MouseUp(const MouseEventArgs& args);
  void lstBackUpList_ColumnClick(int column);
  void cmdDelete_Click();
  void cmdRestore_Click();
  void cmdExport_Click();

  // The list calls this while it sorts itself by the date or time column; the
  // parameter is the window whose list it is.
  static int CALLBACK CompareListItems(LPARAM first, LPARAM second, LPARAM sortingWindow);

  // Columns counted from 1, as the sort column names them.
  static constexpr int kDateColumn = 2;
  static constexpr int kTimeColumn = 3;
  SortOrder CurrentSortOrder() const { return sortOrder_; }
  int SortColumn() const { return sortColumn_; }

  Frame frameBackUp{*this, "frameBackUp", {0, 0, 5340, 3585}, "Backup"};
  ListView lstBackUpList{frameBackUp, "lstBackUpList", {120, 240, 5100, 2715}};
  CommandButton cmdRestore{frameBackUp, "cmdRestore", {772, 3090, 1125, 375}, "Restore"};
  CommandButton cmdDelete{frameBackUp, "cmdDelete", {2107, 3090, 1125, 375}, "Delete"};
  CommandButton cmdExport{frameBackUp, "cmdExport", {3442, 3090, 1125, 375}, "Export..."};
  // Reads the stamps not yet read, a few per tick, after a refill has shown the
  // rows on screen; stopped when all are read.
  Timer tmrReadStamps{*this, "tmrReadStamps", 0};

 protected:
  void Form_Load() override;

 private:
  void EnableButtonsWhenSelected();
  void EnableButtons(bool enabled);
  // The home page's line after a restore, the movie sent home behind this window.
  void ShowOutcomeAtHome(const std::string& note);
  // Asks the question; true only on an explicit Yes.
  bool Confirm(const std::string& question, UINT defaultButton);
  // The Backups folder path of the selected row's file; empty when none is selected.
  std::string SelectedFilePath() const;
  // The value a row sorts by in the current sort column; 0 for an unknown row.
  double SortValueOf(LPARAM data) const;
  // The row of a data word; nullptr for an unknown one.
  const BackupRow* RowOf(LPARAM data) const;
  // The same with the row's stamp read.
  const BackupRow* StampedRowOf(LPARAM data);
  // Reads the stamps still unread (before sorting by date or time), or up to
  // limit of them; stops the timer once none is left.
  void ReadStamps(size_t limit = static_cast<size_t>(-1));
  void tmrReadStamps_Timer();

  // Rows by their data word (position here plus one), so the compare function
  // and the list's requests for texts find each in constant time.
  std::vector<BackupRow> rows_;
  BackupStampCache stamps_;
  std::string folder_;        // of the last refill
  size_t firstUnread_ = 0;   // rows before it have their stamps
  SortOrder sortOrder_ = SortOrder::Ascending;
  int sortColumn_ = kDateColumn;
};

}  // namespace quorvane
