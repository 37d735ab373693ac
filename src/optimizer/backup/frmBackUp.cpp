#include "optimizer/backup/frmBackUp.h"

#include "common/ProgramName.h"
#include "common/SystemError.h"
#include "optimizer/BackupFiles.h"
#include "optimizer/OutcomeNotes.h"
#include "system/Effects.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

namespace {

constexpr const char* kNameCaption = "File Name";
constexpr const char* kDateCaption = "Creating Date";
constexpr const char* kTimeCaption = "Creating Time";
constexpr const char* kAscendingTag = "ASC";
constexpr const char* kDescendingTag = "DESC";
// About 5 ms of reading a tick under Wine, so clicks and keys wait for no more.
constexpr size_t kStampsPerTick = 40;
constexpr UINT kReadStampsEveryMs = 10;

std::string FileNameOfPath(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

frmBackUp::frmBackUp() : ToolForm("frmBackUp", "Backup Manager", {5400, 3660}) {
  lstBackUpList.AddColumn(kNameCaption, 1455);
  lstBackUpList.AddColumn(kDateCaption, 1710);
  lstBackUpList.AddColumn(kTimeCaption, 1575);
  lstBackUpList.MouseUp = [this](const MouseEventArgs& args) { lstBackUpList_MouseUp(args); };
  lstBackUpList.ColumnClick = [this](int column) { lstBackUpList_ColumnClick(column); };
  // Only the rows on screen are asked for: their stamps are read first.
  lstBackUpList.RowText = [this](LPARAM data, int column) {
    const BackupRow* row = column == 0 ? RowOf(data) : StampedRowOf(data);
    return row ? BackupRowText(*row, column) : std::string();
  };
  tmrReadStamps.Tick = [this] { tmrReadStamps_Timer(); };
  cmdDelete.Click = [this] { cmdDelete_Click(); };
  cmdRestore.Click = [this] { cmdRestore_Click(); };
  cmdExport.Click = [this] { cmdExport_Click(); };
  // The keyboard selects rows too: the buttons follow the selection, however made.
  lstBackUpList.ItemClick = [this](int) { EnableButtonsWhenSelected(); };
  lstBackUpList.SelectionCleared = [this] { EnableButtons(false); };
  EnableButtons(false);
}

void frmBackUp::Form_Load() {
  Host().SkinToolWindow(*this);
}

void frmBackUp::intializeList() {
  EnableButtons(false);
  rows_.clear();
  firstUnread_ = 0;
  tmrReadStamps.SetInterval(0);

  folder_ = BackupsFolder();
  if (GetFileAttributesA(folder_.c_str()) == INVALID_FILE_ATTRIBUTES) {
    lstBackUpList.Clear();
    CreateDirectoryA(folder_.c_str(), nullptr);
    return;
  }
  // Only the listing now: the list asks for the rows it shows, and the stamps
  // of the others are read after it has painted.
  std::vector<LPARAM> data;
  for (const BackupStampCache::File& file : stamps_.List(folder_)) {
    BackupRow row = MakeBackupRow(file.fileName, file.stamp);
    row.stampRead = file.stampRead;
    rows_.push_back(std::move(row));
    data.push_back(static_cast<LPARAM>(rows_.size()));  // the data word: place in rows_ plus one
  }
  // The new rows replace the old in one step: emptying the list first would
  // make the window drop its scroll bar only to lay it out again.
  if (!lstBackUpList.SetRows(data)) rows_.clear();
  tmrReadStamps.SetInterval(kReadStampsEveryMs);
  ReadStamps(0);  // stops the timer again when every stamp was in the cache
}

void frmBackUp::AddBackupItem(const std::string& path) {
  const BackupListing file = ReadBackupListing(path);
  rows_.push_back(MakeBackupRow(file.fileName, file.stamp));
  if (lstBackUpList.AddRow({rows_.back().nameText}, static_cast<LPARAM>(rows_.size())) < 0) rows_.pop_back();
}

const BackupRow* frmBackUp::StampedRowOf(LPARAM data) {
  if (!RowOf(data)) return nullptr;
  BackupRow& row = rows_[static_cast<size_t>(data) - 1];
  if (!row.stampRead) {
    row = MakeBackupRow(row.fileName, stamps_.Read(folder_, row.fileName));
  }
  return &row;
}

void frmBackUp::ReadStamps(size_t limit) {
  for (; firstUnread_ < rows_.size(); ++firstUnread_) {
    if (rows_[firstUnread_].stampRead) continue;
    if (limit-- == 0) return;
    StampedRowOf(static_cast<LPARAM>(firstUnread_) + 1);
  }
  tmrReadStamps.SetInterval(0);
}

void frmBackUp::tmrReadStamps_Timer() { ReadStamps(kStampsPerTick); }

const BackupRow* frmBackUp::RowOf(LPARAM data) const {
  if (data < 1 || static_cast<size_t>(data) > rows_.size()) return nullptr;
  return &rows_[static_cast<size_t>(data) - 1];
}

void frmBackUp::EnableButtonsWhenSelected() {
  if (lstBackUpList.SelectedIndex() >= 0) EnableButtons(true);
}

void frmBackUp::EnableButtons(bool enabled) {
  cmdRestore.SetEnabled(enabled);
  cmdDelete.SetEnabled(enabled);
  cmdExport.SetEnabled(enabled);
}

bool frmBackUp::Confirm(const std::string& question, UINT defaultButton) {
  // Only Yes goes on: No, Escape and the close box all leave the file alone.
  return CurrentEffects().ShowMessageBox(hWnd(), question, kProgramName, MB_YESNO | MB_ICONWARNING | defaultButton) == IDYES;
}

void frmBackUp::lstBackUpList_MouseUp(const MouseEventArgs& /*args*/) { EnableButtonsWhenSelected(); }

void frmBackUp::lstBackUpList_ColumnClick(int column) {
  if (lstBackUpList.ColumnTag(column) != kAscendingTag) {
    sortOrder_ = SortOrder::Ascending;
    lstBackUpList.SetColumnTag(column, kAscendingTag);
  } else {
    sortOrder_ = SortOrder::Descending;
    lstBackUpList.SetColumnTag(column, kDescendingTag);
  }
  for (int other = 0; other < lstBackUpList.ColumnCount(); ++other)
    if (other != column) lstBackUpList.SetColumnTag(other, "");

  const std::string caption = lstBackUpList.ColumnCaption(column);
  if (caption == kNameCaption) {
    lstBackUpList.SetSortKey(0);
    lstBackUpList.SetSortOrder(sortOrder_);
    lstBackUpList.SetSorted(true);
  } else if (caption == kDateCaption || caption == kTimeCaption) {
    lstBackUpList.SetSorted(false);
    sortColumn_ = caption == kDateCaption ? kDateColumn : kTimeColumn;
    ReadStamps();
    lstBackUpList.SortItems(&frmBackUp::CompareListItems, reinterpret_cast<LPARAM>(this));
  } else {
    CurrentEffects().ShowMessageBox(hWnd(), "Error no such header named " + caption, kProgramName, MB_OK);
    return;
  }
  EnableButtonsWhenSelected();
}

double frmBackUp::SortValueOf(LPARAM data) const {
  const BackupRow* row = RowOf(data);
  if (!row) return 0;
  return sortColumn_ == kTimeColumn ? row->timeValue : row->dateValue;
}

int CALLBACK frmBackUp::CompareListItems(LPARAM first, LPARAM second, LPARAM sortingWindow) {
  const auto* window = reinterpret_cast<const frmBackUp*>(sortingWindow);
  return CompareSortValues(window->SortValueOf(first), window->SortValueOf(second),
                           window->sortOrder_ == SortOrder::Descending);
}

std::string frmBackUp::SelectedFilePath() const {
  const int row = lstBackUpList.SelectedIndex();
  if (row < 0) return std::string();
  return BackupsFolder() + "\\" + lstBackUpList.ItemText(row, 0);
}

void frmBackUp::cmdDelete_Click() {
  const std::string path = SelectedFilePath();
  if (path.empty()) return;
  if (!Confirm("Do you want to delete this file?\r\n\r\n" + FileNameOfPath(path), MB_DEFBUTTON2)) return;
  if (!DeleteFileA(path.c_str())) {
    const DWORD error = GetLastError();
    // Gone since the list was filled (deleted elsewhere): say so and show what is there now.
    const std::string text = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                                 ? "The file " + FileNameOfPath(path) + " no longer exists."
                                 : "The file " + FileNameOfPath(path) + " could not be deleted.\r\n\r\n" +
                                       SystemErrorText(error);
    CurrentEffects().ShowMessageBox(hWnd(), text, kProgramName, MB_OK | MB_ICONINFORMATION);
  }
  intializeList();
  SetFocus();
}

void frmBackUp::cmdRestore_Click() {
  const std::string path = SelectedFilePath();
  if (path.empty()) return;
  const std::string name = FileNameOfPath(path);
  const RestorePreview preview = PrepareRestore(path, OSVersionId);
  if (preview.outcome == RestoreOutcome::OtherSystem) {
    CurrentEffects().ShowMessageBox(hWnd(), "This backup file was taken from another operating system!!",
                                    kProgramName, MB_OK | MB_ICONERROR);
    return;
  }
  if (preview.outcome != RestoreOutcome::Restored) {
    CurrentEffects().ShowMessageBox(hWnd(), preview.error, kProgramName, MB_OK | MB_ICONERROR);
    ShowOutcomeAtHome(RestoredNote(name, "", 0, true));
    return;
  }
  auto notBackedUp = [&](const std::string& why) {
    CurrentEffects().ShowMessageBox(hWnd(), "Backup " + name + " was not restored: what is there now could not "
                                            "be backed up first.\r\n\r\n" + why,
                                    kProgramName, MB_OK | MB_ICONERROR);
  };
  // The number the backup taken first will have; with none left, nothing is asked.
  std::string error;
  const std::string nextBackup = NextBackupPath(BackupsFolder(), &error);
  if (nextBackup.empty()) return notBackedUp(error);
  if (!Confirm(RestoreQuestion(name, preview.valuesToChange, nextBackup, preview.skippedKeys), MB_DEFBUTTON1))
    return;
  const RestoreResult result = RunRestore(preview, OSVersionId, BackupsFolder());
  switch (result.outcome) {
    case RestoreOutcome::BackupFailed: notBackedUp(result.error); break;
    case RestoreOutcome::NotAllWritten:
      CurrentEffects().ShowMessageBox(hWnd(), WriteFailureMessage(result.failures), kProgramName,
                                      MB_OK | MB_ICONERROR);
      break;
    default: break;
  }
  intializeList();  // the backup taken first is listed
  ShowOutcomeAtHome(RestoredNote(name, result.backupPath, result.failures.size(),
                                 result.outcome == RestoreOutcome::BackupFailed));
}

void frmBackUp::ShowOutcomeAtHome(const std::string& note) {
  Host().ShowHomeNote(note);
  // The movie goes to its home page but stays behind this window.
  Host().SetMovieVariable("_root.home", "true");
}

void frmBackUp::cmdExport_Click() {
  const std::string path = SelectedFilePath();
  if (path.empty()) return;
  std::string target = FileNameOfPath(path).substr(0, FileNameOfPath(path).rfind('.')) + ".reg";
  // The dialog asks before replacing a file that exists: its Yes is the replace.
  if (!CurrentEffects().ChooseSaveFile(hWnd(), "Export " + FileNameOfPath(path),
                                       "Registration files (*.reg)|*.reg|All files (*.*)|*.*", "reg", &target))
    return;
  const ExportResult result = ExportBackupFile(path, target, true);
  if (!result.exported) {
    CurrentEffects().ShowMessageBox(hWnd(), "The backup was not exported.\r\n\r\n" + result.error, kProgramName,
                                    MB_OK | MB_ICONERROR);
    return;
  }
  CurrentEffects().ShowMessageBox(hWnd(), "Backup " + FileNameOfPath(path) + " was exported to " + target + ".",
                                  kProgramName, MB_OK | MB_ICONINFORMATION);
}

}  // namespace quorvane
