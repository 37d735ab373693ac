#include "optimizer/ApplySettings.h"

#include "common/SystemError.h"
#include "optimizer/Adapters.h"
#include "optimizer/BackupFiles.h"
#include "optimizer/OutcomeNotes.h"
#include "optimizer/RegRootKey.h"
#include "optimizer/TcpSettings.h"
#include "optimizer/ValueSupport.h"
#include "registry/SetKeyValue.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

std::string AppliedHomeNote(const std::string& what, const ApplyResult& result) {
  std::string note = AppliedNote(what, result.backupPath, result.failures.size());
  const size_t unused = CountNotUsed(result.writes, GenerationOf(RunningRelease));
  if (unused) note += " " + NoEffectNote(unused, ReleaseName(RunningRelease));
  return note;
}

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
    // A failed write is counted and the rest still go in: the backup covers them all.
    const LONG status = SetKeyValue(ToHkey(write.root), write.key, write.valueName, type,
                                    static_cast<double>(write.value), write.remove);
    // Removing a value that is not there leaves the registry as asked.
    if (status != ERROR_SUCCESS && !(write.remove && status == ERROR_FILE_NOT_FOUND))
      result.failures.push_back({write.root, write.key, write.valueName, SystemErrorText(status)});
  }
  result.status = result.failures.empty() ? ApplyStatus::Applied : ApplyStatus::NotAllWritten;
  return result;
}

}  // namespace quorvane
