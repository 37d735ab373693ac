// The benchmark's backup folders: made fresh, emptied between runs (an apply adds
// a file each time, and the folder would fill at 999), and removed at the end.
#pragma once

#include <string>

namespace quorvane::bench {

// Creates the folder when missing; false when it cannot be made.
bool MakeFolder(const std::string& folder);

// Deletes every file of the folder (not subfolders).
void EmptyFolder(const std::string& folder);

// Empties and removes the folder.
void RemoveFolder(const std::string& folder);

// Creates empty files 001.BCK .. count.BCK; false when one cannot be made.
bool FillWithBackupNames(const std::string& folder, int count);

}  // namespace quorvane::bench
