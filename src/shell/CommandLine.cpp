#include "shell/CommandLine.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "optimizer/ApplySettings.h"
#include "optimizer/BackupFiles.h"
#include "optimizer/TcpSettings.h"
#include "optimizer/WriteFailures.h"
#include "shell/StatusCommand.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

namespace {

std::string DescribeWrite(const PlannedWrite& write, Layout layout) {
  std::string where = std::string(RootName(write.root)) + "\\" + write.key + " : " +
                      (write.valueName.empty() ? "(default)" : write.valueName);
  if (write.remove) return "  removed  " + where;
  std::string value = layout == Layout::Win9x ? "REG_SZ \"" + std::to_string(write.value) + "\""
                                              : "REG_DWORD " + std::to_string(write.value);
  return "  set      " + where + " = " + value;
}

std::string ResolveBackupPath(const std::string& given) {
  if (given.find_first_of("\\/:") != std::string::npos) return given;
  std::string path = BackupsFolder() + "\\" + given;
  if (given.find('.') == std::string::npos && GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    path += kBackupExtension;
  return path;
}

std::string SystemName(int osVersionId) {
  const char* name = OSNameFor(osVersionId);
  return (*name ? std::string(name) : std::string("an unknown system")) + " (" +
         std::to_string(osVersionId) + ")";
}

void PrintFailures(const std::vector<WriteFailure>& failures, CommandOutput& out) {
  out.PrintError("Some values were not written (" + std::to_string(failures.size()) + "):");
  for (const std::string& line : WriteFailureLines(failures)) out.PrintError("  " + line);
}

int Optimize(int modeIndex, CommandOutput& out) {
  CurrentSettings = ModePresets[modeIndex];
  ApplyResult result = ApplySettings();
  if (result.status == ApplyStatus::BackupFailed) {
    out.PrintError("Nothing was changed: the backup could not be written.");
    out.PrintError(result.error);
    return kExitBackupFailed;
  }
  if (result.status == ApplyStatus::NoLayout) {
    out.PrintError("Nothing was changed: " + SystemName(OSVersionId) + " has no TCP/IP layout.");
    return kExitBackupFailed;
  }
  out.Print(std::string("Mode \"") + kModeCaptions[modeIndex] + "\" on " + OSName + ".");
  out.Print("Backup: " + result.backupPath);
  const Layout layout = LayoutFor(OSVersionId);
  int removed = 0;
  for (const PlannedWrite& write : result.writes) {
    out.Print(DescribeWrite(write, layout));
    removed += write.remove ? 1 : 0;
  }
  if (result.status == ApplyStatus::NotAllWritten) {
    PrintFailures(result.failures, out);
    out.PrintError("Your earlier settings are in " + result.backupPath + ".");
    return kExitNotAllWritten;
  }
  out.Print(std::to_string(result.writes.size() - removed) + " values written, " +
            std::to_string(removed) + " removed. Restart Windows for them to take effect.");
  return kExitSuccess;
}

int Backup(CommandOutput& out) {
  BackupWriteResult result = WriteBackupFile(OSVersionId, BackupsFolder());
  if (!result.written) {
    out.PrintError("No backup was written.");
    out.PrintError(result.error);
    return kExitBackupFailed;
  }
  out.Print("Backup: " + result.path);
  return kExitSuccess;
}

void PrintSkippedKeys(const std::vector<std::string>& keys, CommandOutput& out) {
  if (keys.empty()) return;
  out.Print("Not on this machine, so skipped (" + std::to_string(keys.size()) + "):");
  for (const std::string& key : keys) out.Print("  " + key);
}

int Restore(const std::string& given, CommandOutput& out) {
  const std::string path = ResolveBackupPath(given);
  RestoreResult result = RestoreBackupFile(path, OSVersionId, BackupsFolder());
  if (!result.backupPath.empty()) out.Print("Backup: " + result.backupPath + " (the values before the restore)");
  PrintSkippedKeys(result.skippedKeys, out);
  switch (result.outcome) {
    case RestoreOutcome::Restored:
      out.Print("Restored " + path + ": " + std::to_string(result.valuesWritten) + " values written, " +
                std::to_string(result.valuesRemoved) + " removed.");
      return kExitSuccess;
    case RestoreOutcome::NotAllWritten:
      out.PrintError("Restored " + path + " only in part: " + std::to_string(result.valuesWritten) +
                     " values written, " + std::to_string(result.valuesRemoved) + " removed.");
      PrintFailures(result.failures, out);
      return kExitNotAllWritten;
    case RestoreOutcome::OtherSystem:
      out.PrintError("Nothing was restored: " + path + " was made on " +
                     SystemName(result.fileOsVersionId) + "; this is " + SystemName(OSVersionId) + ".");
      return kExitOtherSystem;
    case RestoreOutcome::BackupFailed:
      out.PrintError("Nothing was restored: the values there now could not be backed up first.");
      out.PrintError(result.error);
      return kExitBackupFailed;
    case RestoreOutcome::TooLarge:
      out.PrintError("Nothing was restored from " + path + ".");
      out.PrintError(result.error);
      return kExitFileTooLarge;
    case RestoreOutcome::Failed:
      break;
  }
  out.PrintError("Nothing was restored from " + path + ".");
  out.PrintError(result.error);
  return kExitRestoreFailed;
}

int Export(const CommandRequest& request, CommandOutput& out) {
  const std::string path = ResolveBackupPath(request.file);
  ExportResult result = ExportBackupFile(path, request.target, request.replace);
  if (!result.backupReadable) {
    out.PrintError("Nothing was exported from " + path + ".");
    out.PrintError(result.error);
    return result.tooLarge ? kExitFileTooLarge : kExitRestoreFailed;
  }
  if (!result.exported) {
    out.PrintError("The export was not written.");
    out.PrintError(result.error);
    return result.targetExists ? kExitExportExists : kExitBackupFailed;
  }
  out.Print("Exported " + path + " to " + request.target + ".");
  return kExitSuccess;
}

int List(CommandOutput& out) {
  const std::string folder = BackupsFolder();
  std::vector<BackupListing> listing = ListBackupFiles(folder);
  if (listing.empty()) {
    out.Print("No backups in " + folder + ".");
    return kExitSuccess;
  }
  std::sort(listing.begin(), listing.end(),
            [](const BackupListing& a, const BackupListing& b) { return a.fileName < b.fileName; });
  out.Print("Backups in " + folder + ":");
  for (const BackupListing& entry : listing) {
    std::string line = "  " + entry.fileName;
    line.resize(std::max<size_t>(line.size() + 2, 16), ' ');
    if (entry.stamp) {
      line += FormatDateItem(entry.stamp->date).substr(1, 10) + "  " +
              FormatTimeItem(entry.stamp->time).substr(1, 8);
    } else {
      line += "(no date and time)";
    }
    out.Print(line);
  }
  return kExitSuccess;
}

}  // namespace

int RunCommand(const CommandRequest& request, CommandOutput& out) {
  switch (request.action) {
    case CommandAction::Usage:
      for (const std::string& line : UsageLines()) out.Print(line);
      return kExitSuccess;
    case CommandAction::Optimize: return Optimize(request.modeIndex, out);
    case CommandAction::Backup: return Backup(out);
    case CommandAction::Restore: return Restore(request.file, out);
    case CommandAction::Export: return Export(request, out);
    case CommandAction::List: return List(out);
    case CommandAction::Status: return PrintStatus(out);
    case CommandAction::Invalid:
    case CommandAction::None:
      break;
  }
  out.PrintError(request.error.empty() ? "No switch given." : request.error);
  for (const std::string& line : UsageLines()) out.PrintError(line);
  return kExitBadArguments;
}

}  // namespace quorvane
