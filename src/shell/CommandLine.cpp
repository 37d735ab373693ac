#include "shell/CommandLine.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "common/text_case.h"
#include "optimizer/ApplySettings.h"
#include "optimizer/BackupFiles.h"
#include "optimizer/TcpSettings.h"
#include "optimizer/WriteFailures.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  size_t i = 0;
  const size_t n = commandLine.size();
  while (true) {
    while (i < n && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
    if (i >= n) break;
    std::string argument;
    bool quoted = false;
    while (i < n) {
      const char c = commandLine[i];
      if (c == '\\') {
        size_t slashes = 0;
        while (i < n && commandLine[i] == '\\') ++slashes, ++i;
        if (i < n && commandLine[i] == '"') {
          // 2n backslashes and a quote: n backslashes, the quote toggles quoting;
          // 2n+1: n backslashes and a literal quote.
          argument.append(slashes / 2, '\\');
          if (slashes % 2) {
            argument += '"';
            ++i;
          }
        } else {
          argument.append(slashes, '\\');
        }
        continue;
      }
      if (!quoted && (c == ' ' || c == '\t')) break;
      if (c == '"') {
        quoted = !quoted;
      } else {
        argument += c;
      }
      ++i;
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

namespace {

std::string ModeList() {
  std::string list;
  for (int i = 0; i < kModePresetCount; ++i) list += std::string(i ? ", " : "") + "\"" + kModeCaptions[i] + "\"";
  return list;
}

CommandRequest Invalid(std::string error) {
  CommandRequest request;
  request.action = CommandAction::Invalid;
  request.error = std::move(error);
  return request;
}

}  // namespace

CommandRequest ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandRequest request;
  if (arguments.empty()) return request;
  const std::string& first = arguments[0];
  if (first.empty() || (first[0] != '/' && first[0] != '-'))
    return Invalid("\"" + first + "\" is not a switch.");
  const std::string name = ToLowerAscii(first.substr(1));
  const size_t extra = arguments.size() - 1;

  auto noArguments = [&](CommandAction action) {
    if (extra != 0) return Invalid(first + " takes no argument.");
    request.action = action;
    return request;
  };
  if (name == "?" || name == "help" || name == "h") return noArguments(CommandAction::Usage);
  if (name == "backup") return noArguments(CommandAction::Backup);
  if (name == "list") return noArguments(CommandAction::List);
  if (name == "optimize") {
    if (extra != 1) return Invalid("/optimize takes one mode, one of " + ModeList() + ".");
    for (int i = 0; i < kModePresetCount; ++i) {
      if (EqualNoCase(arguments[1], kModeCaptions[i])) {
        request.action = CommandAction::Optimize;
        request.modeIndex = i;
        return request;
      }
    }
    return Invalid("\"" + arguments[1] + "\" is not a mode. The modes are " + ModeList() + ".");
  }
  if (name == "restore") {
    if (extra != 1 || arguments[1].empty())
      return Invalid("/restore takes one backup file: its name in the Backups folder or a path.");
    request.action = CommandAction::Restore;
    request.file = arguments[1];
    return request;
  }
  if (name == "export") {
    if (extra != 2 || arguments[1].empty() || arguments[2].empty())
      return Invalid("/export takes a backup file (its name in the Backups folder or a path) and the .reg file to write.");
    request.action = CommandAction::Export;
    request.file = arguments[1];
    request.target = arguments[2];
    return request;
  }
  return Invalid("Unknown switch " + first + ".");
}

std::vector<std::string> UsageLines() {
  return {
      "Usage: quorvane.exe [switch]",
      "  (no switch)                 start Quorvane",
      "  /optimize \"<mode>\"          back up the TCP/IP settings, then apply a mode:",
      "                              " + ModeList(),
      "  /backup                     back up the TCP/IP settings only",
      "  /restore <file>             restore a backup: its name in the Backups folder, or a path",
      "  /export <file> <file.reg>   write a backup as a REGEDIT4 file that regedit imports",
      "  /list                       list the backups with their dates and times",
      "  /?                          show this help",
      "Exit status: 0 done, 1 bad arguments, 2 backup not written (nothing changed),",
      "  3 backup from another Windows version, 4 restore failed (nothing written),",
      "  5 some values were not written (the message names them; the backup stays).",
  };
}

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

int Restore(const std::string& given, CommandOutput& out) {
  const std::string path = ResolveBackupPath(given);
  RestoreResult result = RestoreBackupFile(path, OSVersionId);
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
    case RestoreOutcome::Failed:
      break;
  }
  out.PrintError("Nothing was restored from " + path + ".");
  out.PrintError(result.error);
  return kExitRestoreFailed;
}

int Export(const std::string& given, const std::string& target, CommandOutput& out) {
  const std::string path = ResolveBackupPath(given);
  ExportResult result = ExportBackupFile(path, target);
  if (!result.backupReadable) {
    out.PrintError("Nothing was exported from " + path + ".");
    out.PrintError(result.error);
    return kExitRestoreFailed;
  }
  if (!result.exported) {
    out.PrintError("The export was not written.");
    out.PrintError(result.error);
    return kExitBackupFailed;
  }
  out.Print("Exported " + path + " to " + target + ".");
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
    case CommandAction::Export: return Export(request.file, request.target, out);
    case CommandAction::List: return List(out);
    case CommandAction::Invalid:
    case CommandAction::None:
      break;
  }
  out.PrintError(request.error.empty() ? "No switch given." : request.error);
  for (const std::string& line : UsageLines()) out.PrintError(line);
  return kExitBadArguments;
}

}  // namespace quorvane
