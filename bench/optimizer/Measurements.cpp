#include "Measurements.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "FloorCalls.h"
#include "ScratchFolder.h"
#include "ScratchInterfaces.h"
#include "Stopwatch.h"
#include "optimizer/Adapters.h"
#include "optimizer/ApplySettings.h"
#include "optimizer/BackupFiles.h"
#include "optimizer/RegRootKey.h"
#include "optimizer/TcpSettings.h"
#include "registry/SetKeyValue.h"

namespace quorvane::bench {

namespace {

void SetKeyValues(const std::vector<PlannedWrite>& plan) {
  for (const PlannedWrite& write : plan)
    SetKeyValue(ToHkey(write.root), write.key, write.valueName, REG_DWORD,
                static_cast<double>(write.value), write.remove);
}

}  // namespace

void Fail(const std::string& why) {
  std::fprintf(stderr, "bench_optimizer: %s\n", why.c_str());
  std::exit(1);
}

void RunApplyCase(int benchInterfaces, const std::string& folder, bool alternate, ApplySamples* samples) {
  std::string error;
  if (!SetBenchInterfaceCount(benchInterfaces, &error)) Fail(error);
  const std::vector<std::string> adapters = EnumerateAdapters(Layout::Nt);
  const std::vector<PlannedWrite> plan = PlanApplyWrites(CurrentSettings, Layout::Nt, adapters);
  const std::vector<BareWrite> bare = BareWritesOf(plan);
  samples->interfaces = static_cast<int>(adapters.size());
  samples->writes = plan.size();

  // Untimed: creates what a new interface lacks, so every timed run finds the same state.
  EmptyFolder(folder);
  ApplyResult first = ApplySettings(folder);
  if (first.status != ApplyStatus::Applied || first.writes.size() != plan.size())
    Fail("the apply at " + std::to_string(adapters.size()) + " interfaces failed: " + first.error);

  auto timeFloor = [&] {
    int failures = 0;
    samples->floor.push_back(TimeMicroseconds([&] { failures = WriteBare(bare); }));
    if (failures) Fail(std::to_string(failures) + " bare writes failed");
  };
  auto timeApply = [&] {
    EmptyFolder(folder);
    ApplyResult result;
    samples->apply.push_back(TimeMicroseconds([&] { result = ApplySettings(folder); }));
    if (result.status != ApplyStatus::Applied) Fail("an apply failed: " + result.error);
  };
  // Alternating the order keeps a drift of the machine out of the ratio.
  if (alternate) {
    timeApply();
    timeFloor();
  } else {
    timeFloor();
    timeApply();
  }

  EmptyFolder(folder);
  samples->backup.push_back(TimeMicroseconds([&] {
    if (!WriteBackupFile(kNtOsVersionId, folder, adapters).written) Fail("a backup failed");
  }));
  samples->setKeyValues.push_back(TimeMicroseconds([&] { SetKeyValues(plan); }));
  EmptyFolder(folder);
}

void RunRestoreCase(const std::string& folder, RestoreSamples* samples) {
  EmptyFolder(folder);
  BackupWriteResult backup = WriteBackupFile(kNtOsVersionId, folder);
  if (!backup.written) Fail("the backup to restore failed: " + backup.error);
  std::string text, error;
  if (!ReadFileText(backup.path, &text, &error)) Fail(error);
  RestorePlan plan = PlanRestore(text, kNtOsVersionId);
  if (plan.check != RestoreCheck::Restorable) Fail("the backup is not restorable: " + plan.error);
  const std::vector<BareWrite> bare = BareWritesOf(plan.writes);
  samples->interfaces = static_cast<int>(EnumerateAdapters(Layout::Nt).size());
  samples->writes = plan.writes.size();

  RestoreResult result;
  samples->restore.push_back(TimeMicroseconds([&] { result = RestoreBackupFile(backup.path, kNtOsVersionId, folder); }));
  if (result.outcome != RestoreOutcome::Restored ||
      static_cast<size_t>(result.valuesWritten + result.valuesRemoved) != plan.writes.size())
    Fail("a restore failed: " + result.error);
  samples->floor.push_back(TimeMicroseconds([&] { WriteBare(bare); }));
  EmptyFolder(folder);
}

void PrepareNextPathFolder(const std::string& folder, int count) {
  if (!MakeFolder(folder) || !FillWithBackupNames(folder, count))
    Fail("cannot fill " + folder + " with backup files");
}

void RunNextPathCase(const std::string& folder, int count, NextPathSamples* samples) {
  const std::string expected = folder + "\\" + BackupFileName(count + 1);
  std::string path, error;
  samples->nextPath.push_back(TimeMicroseconds([&] { path = NextBackupPath(folder, &error); }));
  if (path != expected) Fail("NextBackupPath answered \"" + path + "\" " + error + ", not " + expected);
  int listed = 0;
  samples->listing.push_back(TimeMicroseconds([&] { listed = ListBackupNamesBare(folder); }));
  if (listed != count) Fail("the bare listing found " + std::to_string(listed) + " files");
}

}  // namespace quorvane::bench
