#include "shell/CommandLineParsing.h"

#include "common/TextCase.h"
#include "optimizer/TcpSettings.h"

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
  if (name == "status") return noArguments(CommandAction::Status);
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
    std::vector<std::string> files;
    for (size_t i = 1; i < arguments.size(); ++i) {
      if (EqualNoCase(arguments[i], "/y") || EqualNoCase(arguments[i], "-y"))
        request.replace = true;
      else
        files.push_back(arguments[i]);
    }
    if (files.size() != 2 || files[0].empty() || files[1].empty())
      return Invalid("/export takes a backup file (its name in the Backups folder or a path) and the .reg file "
                     "to write; /y replaces that file if it exists.");
    request.action = CommandAction::Export;
    request.file = files[0];
    request.target = files[1];
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
      "  /export <file> <file.reg> [/y]",
      "                              write a backup as a REGEDIT4 file that regedit imports;",
      "                              /y replaces an existing file.reg",
      "  /list                       list the backups with their dates and times",
      "  /status                     each value Quorvane manages, what it holds and what Windows does with it",
      "  /?                          show this help",
      "Exit status: 0 done, 1 bad arguments, 2 backup not written (nothing changed),",
      "  3 backup from another Windows version, 4 restore failed (nothing written),",
      "  5 some values were not written (the message names them; the backup stays),",
      "  6 the backup file is larger than any backup (damaged; nothing written),",
      "  7 /export: the .reg file exists (add /y to replace it).",
  };
}

}  // namespace quorvane
