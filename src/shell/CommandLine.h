// Quorvane's command-line mode: one job done without any window, reported on the
// console it was started from, with an exit status scripts can test.
//
//   quorvane.exe /optimize "<mode>"   back up, then apply one of the eight wizard modes
//   quorvane.exe /backup              write a backup only
//   quorvane.exe /restore <file>      restore a backup (name in Backups, or a path)
//   quorvane.exe /export <file> <reg> [/y]  a backup as a REGEDIT4 file
//   quorvane.exe /list                the backups with their dates and times
//   quorvane.exe /status              each managed value, what it holds, what Windows does with it
//   quorvane.exe /?                   usage
#pragma once

#include <string>
#include <vector>

#include "shell/CommandLineParsing.h"

namespace quorvane {

enum ExitStatus : int {
  kExitSuccess = 0,
  kExitBadArguments = 1,
  kExitBackupFailed = 2,
  kExitOtherSystem = 3,
  kExitRestoreFailed = 4,
  kExitNotAllWritten = 5,  // some values were not written (the backup stays)
  kExitFileTooLarge = 6,   // the backup is larger than any backup: damaged
  kExitExportExists = 7,   // the .reg file exists and /y was not given
};

// Where the mode writes; the console in the program, a string in tests.
class CommandOutput {
 public:
  virtual ~CommandOutput() = default;
  virtual void Print(const std::string& line) = 0;
  virtual void PrintError(const std::string& line) = 0;
};

// Runs a parsed request (never None) and returns the exit status. Needs only the
// operating-system detection and the presets, which the caller has done.
int RunCommand(const CommandRequest& request, CommandOutput& output);

}  // namespace quorvane
