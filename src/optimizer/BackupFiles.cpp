#include "optimizer/BackupFiles.h"

#include <windows.h>

#include <algorithm>

#include "common/NumberText.h"
#include "common/SystemError.h"
#include "common/TextCase.h"
#include "common/UniqueHandle.h"
#include "optimizer/Adapters.h"
#include "optimizer/BackupExport.h"
#include "optimizer/ExportTarget.h"
#include "optimizer/RegRootKey.h"
#include "registry/CRegister.h"
#include "registry/SetKeyValue.h"

namespace quorvane {

namespace {

bool EnsureFolder(const std::string& folder, std::string* error) {
  DWORD attributes = GetFileAttributesA(folder.c_str());
  // A link (symbolic link or junction) would put the backups, and their numbers,
  // wherever whoever made it chose.
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    *error = "The backup folder " + folder + " is a link to another place. Backups are written only into a "
             "real folder beside the program: remove the link, and Quorvane makes the folder.";
    return false;
  }
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  if (CreateDirectoryA(folder.c_str(), nullptr)) return true;
  *error = "The backup folder " + folder + " cannot be created: " + SystemErrorText(GetLastError());
  return false;
}

std::vector<std::string> BackupFileNames(const std::string& folder) {
  std::vector<std::string> names;
  for (BackupFileEntry& entry : ListBackupFileEntries(folder)) names.push_back(std::move(entry.fileName));
  return names;
}

// The value line of one value as the registry holds it now (key open, or null
// when the key is missing).
std::string CurrentValueItem(Layout layout, HKEY key, const std::string& valueName) {
  std::optional<TypedValue> held;
  TypedValue value;
  DWORD type = REG_NONE;
  // An empty name means the default value, which CRegister spells "*".
  if (key && CRegister::QueryRawValue(key, valueName.empty() ? "*" : valueName, &value.data, &type)) {
    value.type = type;
    held = std::move(value);
  }
  return ValueItemFor(layout, held);
}

std::string BackupText(int osVersionId, const std::vector<std::string>& adapters) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  std::string text;
  auto line = [&text](const std::string& item) { text += item + "\r\n"; };
  line(FormatDateItem({now.wYear, now.wMonth, now.wDay}));
  line(FormatTimeItem({now.wHour, now.wMinute, now.wSecond}));
  line(FormatNumberItem(osVersionId));
  const Layout layout = LayoutFor(osVersionId);
  CRegister registry;
  for (const BackupRecord& record : PlanBackupRecords(layout, adapters)) {
    line(FormatTextItem(record.key));
    RegKey key;
    registry.OpenForReading(ToHkey(record.root), record.key, &key);
    for (const std::string& name : record.valueNames) {
      line(FormatTextItem(name));
      line(CurrentValueItem(layout, key.get(), name));
    }
  }
  return text;
}

// The next free name in a folder that exists.
std::string NextPathInFolder(const std::string& folder, std::string* error) {
  std::string name = BackupFileName(NextBackupNumber(BackupFileNames(folder)));
  if (name.empty()) {
    *error = "No backup number is left: " + folder + "\\" + BackupFileName(kLastBackupNumber) +
             " exists. Delete or move old backups, then try again.";
    return std::string();
  }
  return folder + "\\" + name;
}

}  // namespace

std::string NextBackupPath(const std::string& folder, std::string* error) {
  if (!EnsureFolder(folder, error)) return std::string();
  return NextPathInFolder(folder, error);
}

BackupWriteResult WriteBackupFile(int osVersionId, const std::string& folder) {
  return WriteBackupFile(osVersionId, folder, EnumerateAdapters(LayoutFor(osVersionId)));
}

BackupWriteResult WriteBackupFile(int osVersionId, const std::string& folder,
                                  const std::vector<std::string>& adapters) {
  BackupWriteResult result;
  if (!EnsureFolder(folder, &result.error)) return result;
  std::string text = BackupText(osVersionId, adapters);
  // A backup the restore would refuse (an adapter name it cannot take back) is no
  // backup: the apply must not go on behind it.
  RestorePlan check = PlanRestore(text, osVersionId);
  if (check.check != RestoreCheck::Restorable) {
    result.error = "The backup could not be taken in a form that restores: " + check.error;
    return result;
  }

  const std::string temporary =
      folder + "\\~backup-" + std::to_string(GetCurrentProcessId()) + ".tmp";
  if (!WriteNewFileText(temporary, text, &result.error)) return result;

  // Another writer may take the number between choosing and renaming: choose again.
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::string path = NextPathInFolder(folder, &result.error);
    if (path.empty()) break;
    if (MoveFileA(temporary.c_str(), path.c_str())) {
      result.written = true;
      result.path = path;
      result.error.clear();
      return result;
    }
    DWORD status = GetLastError();
    if (status != ERROR_ALREADY_EXISTS && status != ERROR_FILE_EXISTS) {
      result.error = "The backup file " + path + " cannot be written: " + SystemErrorText(status);
      break;
    }
  }
  if (result.error.empty()) result.error = "The backup file name kept changing; nothing was written.";
  DeleteFileA(temporary.c_str());
  return result;
}

namespace {

// Reads a backup: a file larger than any backup is damaged, not read.
FileRead ReadBackupText(const std::string& path, std::string* text, std::string* error) {
  return ReadBoundedFileText(path, kMaxBackupFileBytes, text, error);
}

bool KeyExists(RegRoot root, const std::string& path) {
  RegKey key;
  return key.Open(ToHkey(root), path, KEY_READ) == ERROR_SUCCESS;
}

// The value line the write would leave, to compare with what the registry holds.
std::string ItemAfter(Layout layout, const RestoreWrite& write) {
  if (write.value) return FormatNumberItem(*write.value);
  return ValueItemFor(layout, write.typed);
}

// The adapters whose values the restore writes, with this machine's, for its
// backup: the backup covers every value the restore changes.
std::vector<std::string> AdaptersToBackUp(const RestorePlan& plan) {
  std::vector<std::string> adapters = EnumerateAdapters(plan.layout);
  for (const RestoreWrite& write : plan.writes) {
    auto name = AdapterNameOfKey(plan.layout, write.key);
    if (!name) continue;
    const bool listed = std::any_of(adapters.begin(), adapters.end(),
                                    [&name](const std::string& a) { return EqualNoCase(a, *name); });
    if (!listed) adapters.push_back(*name);
  }
  return adapters;
}

}  // namespace

RestorePreview PrepareRestore(const std::string& path, int osVersionId) {
  RestorePreview preview;
  std::string text;
  switch (ReadBackupText(path, &text, &preview.error)) {
    case FileRead::Read: break;
    case FileRead::TooLarge: preview.outcome = RestoreOutcome::TooLarge; return preview;
    case FileRead::Failed: return preview;
  }
  RestorePlan plan = PlanRestore(text, osVersionId);
  preview.fileOsVersionId = plan.fileOsVersionId;
  if (plan.check == RestoreCheck::OtherSystem) {
    preview.outcome = RestoreOutcome::OtherSystem;
    return preview;
  }
  if (plan.check == RestoreCheck::Failed) {
    preview.error = plan.error;
    return preview;
  }
  // Adapters come and go with the hardware: one that is not here is not made
  // up. The fixed keys may be created, as an apply creates them.
  std::vector<RestoreWrite> writes;
  CRegister registry;
  for (RestoreWrite& write : plan.writes) {
    if (AdapterNameOfKey(plan.layout, write.key) && !KeyExists(write.root, write.key)) {
      // Removing from a key that is not there leaves it as the backup had it.
      if (!write.value && !write.typed) continue;
      const std::string where = std::string(RootName(write.root)) + "\\" + write.key;
      if (std::find(preview.skippedKeys.begin(), preview.skippedKeys.end(), where) == preview.skippedKeys.end())
        preview.skippedKeys.push_back(where);
      continue;
    }
    RegKey key;
    registry.OpenForReading(ToHkey(write.root), write.key, &key);
    if (CurrentValueItem(plan.layout, key.get(), write.valueName) != ItemAfter(plan.layout, write))
      ++preview.valuesToChange;
    writes.push_back(std::move(write));
  }
  plan.writes = std::move(writes);
  preview.plan = std::move(plan);
  preview.outcome = RestoreOutcome::Restored;
  return preview;
}

RestoreResult RunRestore(const RestorePreview& preview, int osVersionId, const std::string& backupFolder) {
  RestoreResult result;
  result.outcome = preview.outcome;
  result.fileOsVersionId = preview.fileOsVersionId;
  result.error = preview.error;
  result.skippedKeys = preview.skippedKeys;
  if (preview.outcome != RestoreOutcome::Restored) return result;

  const RestorePlan& plan = preview.plan;
  // What is there now goes into a backup first, as before an apply: a restore
  // can be undone like any other change.
  const BackupWriteResult backup = WriteBackupFile(osVersionId, backupFolder, AdaptersToBackUp(plan));
  if (!backup.written) {
    result.outcome = RestoreOutcome::BackupFailed;
    result.error = backup.error;
    return result;
  }
  result.backupPath = backup.path;

  const DWORD type = plan.layout == Layout::Win9x ? REG_SZ : REG_DWORD;
  for (const RestoreWrite& write : plan.writes) {
    const bool remove = !write.value && !write.typed;
    const HKEY root = ToHkey(write.root);
    const LONG status = write.typed ? SetKeyValueData(root, write.key, write.valueName, write.typed->type,
                                                      write.typed->data)
                                    : SetKeyValue(root, write.key, write.valueName, type,
                                                  static_cast<double>(write.value.value_or(0)), remove);
    // Removing a value that is not there leaves the registry as the backup had it.
    if (status != ERROR_SUCCESS && !(remove && status == ERROR_FILE_NOT_FOUND)) {
      result.failures.push_back({write.root, write.key, write.valueName, SystemErrorText(status)});
      continue;
    }
    ++(remove ? result.valuesRemoved : result.valuesWritten);
  }
  result.outcome = result.failures.empty() ? RestoreOutcome::Restored : RestoreOutcome::NotAllWritten;
  return result;
}

RestoreResult RestoreBackupFile(const std::string& path, int osVersionId, const std::string& backupFolder) {
  return RunRestore(PrepareRestore(path, osVersionId), osVersionId, backupFolder);
}

ExportResult ExportBackupFile(const std::string& backupPath, const std::string& regPath, bool replace) {
  ExportResult result;
  std::string text;
  switch (ReadBackupText(backupPath, &text, &result.error)) {
    case FileRead::Read: break;
    case FileRead::TooLarge: result.tooLarge = true; return result;
    case FileRead::Failed: return result;
  }
  RestorePlan plan = PlanBackupFile(text);
  if (plan.check != RestoreCheck::Restorable) {
    result.error = plan.error;
    return result;
  }
  result.backupReadable = true;
  const ExportWrite written = WriteExportFile(regPath, RegeditExportText(plan), replace, &result.error);
  result.exported = written == ExportWrite::Written;
  result.targetExists = written == ExportWrite::Exists;
  return result;
}

std::vector<BackupFileEntry> ListBackupFileEntries(const std::string& folder) {
  std::vector<BackupFileEntry> entries;
  WIN32_FIND_DATAA found;
  FindHandle search(FindFirstFileA((folder + "\\*" + kBackupExtension).c_str(), &found));
  if (!search) return entries;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    entries.push_back({found.cFileName, (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow,
                       (static_cast<unsigned long long>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                           found.ftLastWriteTime.dwLowDateTime});
  } while (FindNextFileA(search.get(), &found));
  return entries;
}

BackupListing ReadBackupListing(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  BackupListing entry{slash == std::string::npos ? path : path.substr(slash + 1), std::nullopt};
  // The date and time are the first two lines: a few dozen bytes.
  std::string head, error;
  if (ReadFileText(path, &head, &error, 64)) entry.stamp = ReadBackupStamp(head);
  return entry;
}

std::vector<BackupListing> ListBackupFiles(const std::string& folder) {
  std::vector<BackupListing> listing;
  for (const std::string& name : BackupFileNames(folder))
    listing.push_back(ReadBackupListing(folder + "\\" + name));
  return listing;
}

}  // namespace quorvane
