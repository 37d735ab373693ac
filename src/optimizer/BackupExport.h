// A backup as a REGEDIT4 file, the form every Windows from 95 on imports: each
// key, each value with its type, "name"=- for a value that was absent. Pure.
#pragma once

#include <string>

#include "optimizer/BackupFormat.h"

namespace quorvane {

// The .reg text (CR LF line ends) that leaves the registry as restoring the plan
// would. The plan must be Restorable.
std::string RegeditExportText(const RestorePlan& plan);

}  // namespace quorvane
