#include "startup/RunEntry.h"

#include "registry/SetKeyValue.h"
#include "system/ProgramFolder.h"

namespace quorvane {

std::string RunEntryCommand(const std::string& programPath) {
  if (programPath.find(' ') == std::string::npos) return programPath;
  return "\"" + programPath + "\"";
}

LONG WriteRunEntry() {
  return SetKeyValue(HKEY_CURRENT_USER, kRunKey, kRunValueName, REG_SZ, RunEntryCommand(ProgramPath()), false);
}

LONG RemoveRunEntry() {
  const LONG status = SetKeyValue(HKEY_CURRENT_USER, kRunKey, kRunValueName, REG_SZ, std::string(), true);
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

}  // namespace quorvane
