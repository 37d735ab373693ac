#include "PrefixState.h"

#include <windows.h>

#include <algorithm>

#include "ScratchInterfaces.h"
#include "optimizer/BackupFiles.h"
#include "optimizer/RegRootKey.h"
#include "optimizer/TcpSettings.h"
#include "support/RegistryFixture.h"

namespace quorvane::bench {

using testing::DeleteKeyTree;
using testing::KeyExists;

namespace {

constexpr int kNtOsVersionId = 7;

// The outermost missing key on the way to path, or empty when path exists.
std::string FirstMissingAncestor(HKEY root, const std::string& path) {
  for (size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
    std::string prefix = path.substr(0, end);
    if (!KeyExists(root, prefix)) return prefix;
    if (end == std::string::npos) return std::string();
  }
}

HKEY RootOf(const std::string& entry) { return entry[0] == 'U' ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

}  // namespace

bool PrefixState::Capture(const std::string& folder, std::string* error) {
  BackupWriteResult backup = WriteBackupFile(kNtOsVersionId, folder);
  if (!backup.written) {
    *error = "backup of the prefix's values failed: " + backup.error;
    return false;
  }
  backupPath_ = backup.path;

  std::vector<std::pair<RegRoot, std::string>> keys;
  for (const PlannedWrite& write : PlanApplyWrites(CurrentSettings, Layout::Nt, {}))
    keys.emplace_back(write.root, write.key);
  keys.emplace_back(RegRoot::LocalMachine, AdapterParentKey(Layout::Nt));
  for (const auto& [root, key] : keys) {
    std::string missing = FirstMissingAncestor(ToHkey(root), key);
    if (missing.empty()) continue;
    std::string entry = (root == RegRoot::CurrentUser ? "U" : "M") + missing;
    if (std::find(newKeys_.begin(), newKeys_.end(), entry) == newKeys_.end()) newKeys_.push_back(entry);
  }
  return true;
}

bool PrefixState::PutBack(std::string* error) const {
  // The restore backs up what it replaces into the same folder.
  RestoreResult restored =
      RestoreBackupFile(backupPath_, kNtOsVersionId, backupPath_.substr(0, backupPath_.find_last_of('\\')));
  // The restore writes into (and so recreates) the keys; they go afterwards.
  for (const std::string& entry : newKeys_) DeleteKeyTree(RootOf(entry), entry.substr(1));
  if (restored.outcome != RestoreOutcome::Restored) {
    *error = "restoring the prefix's values from " + backupPath_ + " failed: " + restored.error;
    return false;
  }
  return true;
}

}  // namespace quorvane::bench
