#include "optimizer/ApplySettings.h"

#include "optimizer/Adapters.h"
#include "optimizer/BackupFiles.h"
#include "optimizer/RegRootKey.h"
#include "optimizer/TcpSettings.h"
#include "registry/SetKeyValue.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

ApplyResult ApplySettings() { return ApplySettings(BackupsFolder()); }

ApplyResult ApplySettings(const std::string& backupFolder) {
  ApplyResult result;
  const Layout layout = LayoutFor(OSVersionId);
  if (layout == Layout::None) return result;

  const std::vector<std::string> adapters = EnumerateAdapters(layout);
  BackupWriteResult backup = WriteBackupFile(OSVersionId, backupFolder, adapters);
  if (!backup.written) {
    result.status = ApplyStatus::BackupFailed;
    result.error = backup.error;
    return result;
  }
  result.backupPath = backup.path;

  const DWORD type = layout == Layout::Win9x ? REG_SZ : REG_DWORD;
  result.writes = PlanApplyWrites(CurrentSettings, layout, adapters);
  for (const PlannedWrite& write : result.writes) {
    // A failed single write is skipped; the rest still go in.
    SetKeyValue(ToHkey(write.root), write.key, write.valueName, type, static_cast<double>(write.value),
                write.remove);
  }
  result.status = ApplyStatus::Applied;
  return result;
}

}  // namespace quorvane
