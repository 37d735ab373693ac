#include "optimizer/backup/BackupStampCache.h"

#include <utility>

namespace quorvane {

std::vector<BackupStampCache::File> BackupStampCache::List(const std::string& folder) {
  std::vector<File> files;
  std::map<std::string, Entry> kept;
  for (const BackupFileEntry& file : ListBackupFileEntries(folder)) {
    const std::string path = folder + "\\" + file.fileName;
    Entry& entry = kept[path];
    auto cached = entries_.find(path);
    if (cached != entries_.end() && cached->second.size == file.size && cached->second.lastWrite == file.lastWrite)
      entry = std::move(cached->second);
    entry.size = file.size;
    entry.lastWrite = file.lastWrite;
    files.push_back({file.fileName, entry.read, entry.stamp});
  }
  entries_.swap(kept);  // files gone from the folder leave the cache
  return files;
}

std::optional<BackupStamp> BackupStampCache::Read(const std::string& folder, const std::string& fileName) {
  const std::string path = folder + "\\" + fileName;
  auto cached = entries_.find(path);
  if (cached != entries_.end() && cached->second.read) return cached->second.stamp;
  ++filesRead_;
  std::optional<BackupStamp> stamp = ReadBackupListing(path).stamp;
  if (cached != entries_.end()) {
    cached->second.read = true;
    cached->second.stamp = stamp;
  }
  return stamp;
}

}  // namespace quorvane
