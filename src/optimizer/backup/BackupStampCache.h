// The dates and times of the backup files, read once per file: a file is opened
// again only when its name, size or last-write time has changed, so refilling
// the backup manager costs one folder listing.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "optimizer/BackupFiles.h"

namespace quorvane {

class BackupStampCache {
 public:
  // The folder's backup files in the order the file system lists them.
  std::vector<BackupListing> List(const std::string& folder);
  // Files opened by List since the cache was made.
  int FilesRead() const { return filesRead_; }

 private:
  struct Entry {
    unsigned long long size;
    unsigned long long lastWrite;
    BackupListing listing;
  };
  std::map<std::string, Entry> entries_;  // by full path; only the last listing's files
  int filesRead_ = 0;
};

}  // namespace quorvane
