// The one operation that changes the machine's TCP/IP configuration.
#pragma once

#include <string>
#include <vector>

#include "optimizer/RegistryLayout.h"
#include "optimizer/WriteFailures.h"

namespace quorvane {

enum class ApplyStatus {
  Applied,        // backup written, every value written
  NotAllWritten,  // backup written, every write attempted, some failed (failures)
  NoLayout,       // OSVersionId outside 1..8: nothing done
  BackupFailed,   // the backup could not be written: the registry is untouched
};

struct ApplyResult {
  ApplyStatus status = ApplyStatus::NoLayout;
  std::string backupPath;
  std::string error;                 // for BackupFailed
  std::vector<PlannedWrite> writes;  // what was written or removed, in order
  std::vector<WriteFailure> failures;  // the writes that did not go in, with the system's reason
};

// Backs up the values the registry holds now into the Backups folder, then writes
// CurrentSettings into the layout of OSVersionId's family.
ApplyResult ApplySettings();

// The same with the backup folder given (tests, benchmarks).
ApplyResult ApplySettings(const std::string& backupFolder);

// The home line after an apply of what (a mode's name, or the advanced wizard's
// settings): what was applied, the backup, and how many of the values the running
// Windows does not use.
std::string AppliedHomeNote(const std::string& what, const ApplyResult& result);

}  // namespace quorvane
