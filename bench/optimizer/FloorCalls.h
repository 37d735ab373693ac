// The least the registry and the file system can do for the work the engine does:
// the floors its figures are compared with.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "optimizer/BackupFormat.h"
#include "optimizer/RegistryLayout.h"

namespace quorvane::bench {

struct BareWrite {
  HKEY root;
  std::string key;
  std::string valueName;
  DWORD value;
};

std::vector<BareWrite> BareWritesOf(const std::vector<PlannedWrite>& plan);
std::vector<BareWrite> BareWritesOf(const std::vector<RestoreWrite>& plan);

// One RegCreateKeyExA, RegSetValueExA (REG_DWORD) and RegCloseKey per write.
// Returns how many writes failed.
int WriteBare(const std::vector<BareWrite>& writes);

// Lists the *.BCK names of a folder with FindFirstFileA/FindNextFileA; returns the count.
int ListBackupNamesBare(const std::string& folder);

}  // namespace quorvane::bench
