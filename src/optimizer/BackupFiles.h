// Backup files on disk: choosing the next number, writing the values the registry
// holds now, and restoring a file's values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/FileText.h"
#include "optimizer/BackupFormat.h"
#include "optimizer/WriteFailures.h"

namespace quorvane {

// The full path of the next backup file in the folder (created when missing), or
// empty with *error set when the folder cannot be made, is a link to another
// place, or 999.BCK exists.
std::string NextBackupPath(const std::string& folder, std::string* error);

struct BackupWriteResult {
  bool written = false;
  std::string path;   // the new file
  std::string error;  // why nothing was written
};

// Records the current registry values of the family of osVersionId in a new file.
// The file is written under a temporary name and renamed to its number only when
// complete; an existing file is never replaced.
BackupWriteResult WriteBackupFile(int osVersionId, const std::string& folder);

// The same for adapters or interfaces already listed (the apply lists them once
// for the backup and its writes, so both cover the same ones).
BackupWriteResult WriteBackupFile(int osVersionId, const std::string& folder,
                                  const std::vector<std::string>& adapters);

// A backup is a few kilobytes; a file larger than this is damaged, not read.
constexpr size_t kMaxBackupFileBytes = 1024 * 1024;

// NotAllWritten: every write was attempted and some failed (failures).
// TooLarge: the file is larger than any backup (damaged). BackupFailed: the
// backup of what the restore would change could not be written; nothing changed.
enum class RestoreOutcome { Restored, NotAllWritten, OtherSystem, Failed, TooLarge, BackupFailed };

// A backup read and checked for a restore on this machine; nothing written yet.
struct RestorePreview {
  RestoreOutcome outcome = RestoreOutcome::Failed;  // Restored: ready to restore
  int fileOsVersionId = 0;
  std::string error;  // for Failed and TooLarge
  // Only writes into keys that exist, or into the fixed keys of the layout.
  RestorePlan plan;
  // Adapter keys the file names that are not on this machine: never created.
  std::vector<std::string> skippedKeys;
  // Writes that change what the registry holds now.
  int valuesToChange = 0;
};

RestorePreview PrepareRestore(const std::string& path, int osVersionId);

struct RestoreResult {
  RestoreOutcome outcome = RestoreOutcome::Failed;
  int fileOsVersionId = 0;
  std::string error;       // for Failed, TooLarge and BackupFailed
  std::string backupPath;  // what was there before, backed up first
  int valuesWritten = 0;
  int valuesRemoved = 0;
  std::vector<std::string> skippedKeys;
  std::vector<WriteFailure> failures;
};

// Backs up, into backupFolder, the values a ready preview changes, exactly as an
// apply does, then writes them; when the backup cannot be taken nothing is written.
RestoreResult RunRestore(const RestorePreview& preview, int osVersionId, const std::string& backupFolder);

// Both steps: the file checked whole first, written only when every line is
// sound and it comes from a system with the same number.
RestoreResult RestoreBackupFile(const std::string& path, int osVersionId, const std::string& backupFolder);

struct ExportResult {
  bool backupReadable = false;  // false: the backup is missing or damaged (error says why)
  bool tooLarge = false;        // the backup is larger than any backup (damaged)
  bool exported = false;        // false with a readable backup: the .reg file was not written
  bool targetExists = false;    // not written because the file exists and replace was not given
  std::string error;
};

// Writes the backup, of any system, as a REGEDIT4 file; an existing file only
// with replace (ExportTarget.h).
ExportResult ExportBackupFile(const std::string& backupPath, const std::string& regPath, bool replace);

struct BackupListing {
  std::string fileName;
  std::optional<BackupStamp> stamp;  // none when the file does not begin with a date and a time
};

struct BackupFileEntry {
  std::string fileName;
  unsigned long long size = 0;
  unsigned long long lastWrite = 0;  // FILETIME as one number
};

// The *.BCK files of the folder, in the order the file system lists them, with
// what the listing itself tells of each (no file is opened).
std::vector<BackupFileEntry> ListBackupFileEntries(const std::string& folder);
// The same files with the stamps read from them.
std::vector<BackupListing> ListBackupFiles(const std::string& folder);
// One file's entry; a file that cannot be read, or begins otherwise, has no stamp.
BackupListing ReadBackupListing(const std::string& path);

}  // namespace quorvane
