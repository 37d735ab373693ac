#include "optimizer/backup/BackupStampCache.h"

#include <utility>

namespace quorvane {

std::vector<BackupListing> BackupStampCache::List(const std::string& folder) {
  std::vector<BackupListing> listing;
  std::map<std::string, Entry> kept;
  for (const BackupFileEntry& file : ListBackupFileEntries(folder)) {
    const std::string path = folder + "\\" + file.fileName;
    auto cached = entries_.find(path);
    if (cached == entries_.end() || cached->second.size != file.size || cached->second.lastWrite != file.lastWrite) {
      ++filesRead_;
      kept[path] = Entry{file.size, file.lastWrite, ReadBackupListing(path)};
    } else {
      kept[path] = std::move(cached->second);
    }
    listing.push_back(kept[path].listing);
  }
  entries_.swap(kept);  // files gone from the folder leave the cache
  return listing;
}

}  // namespace quorvane
