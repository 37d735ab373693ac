// The dates and times of the backup files, each read once: a file is opened
// again only when its name, size or last-write time has changed. Listing the
// folder opens no file; a stamp is read when first asked for.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "optimizer/BackupFiles.h"

namespace quorvane {

class BackupStampCache {
 public:
  struct File {
    std::string fileName;
    bool stampRead = false;  // stamp holds what the file begins with
    std::optional<BackupStamp> stamp;
  };

  // The folder's backup files in the order the file system lists them, with
  // the stamps of those read before and unchanged since.
  std::vector<File> List(const std::string& folder);
  // The stamp of a file of the last listing, read now unless it was before.
  std::optional<BackupStamp> Read(const std::string& folder, const std::string& fileName);
  // Files opened since the cache was made.
  int FilesRead() const { return filesRead_; }

 private:
  struct Entry {
    unsigned long long size = 0;
    unsigned long long lastWrite = 0;
    bool read = false;
    std::optional<BackupStamp> stamp;
  };
  std::map<std::string, Entry> entries_;  // by full path; only the last listing's files
  int filesRead_ = 0;
};

}  // namespace quorvane
