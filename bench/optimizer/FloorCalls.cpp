#include "FloorCalls.h"

#include "optimizer/RegRootKey.h"

namespace quorvane::bench {

std::vector<BareWrite> BareWritesOf(const std::vector<PlannedWrite>& plan) {
  std::vector<BareWrite> writes;
  for (const PlannedWrite& write : plan)
    writes.push_back({ToHkey(write.root), write.key, write.valueName, static_cast<DWORD>(write.value)});
  return writes;
}

std::vector<BareWrite> BareWritesOf(const std::vector<RestoreWrite>& plan) {
  std::vector<BareWrite> writes;
  for (const RestoreWrite& write : plan)
    writes.push_back({ToHkey(write.root), write.key, write.valueName,
                      static_cast<DWORD>(write.value.value_or(0))});
  return writes;
}

int WriteBare(const std::vector<BareWrite>& writes) {
  int failures = 0;
  for (const BareWrite& write : writes) {
    HKEY key;
    if (RegCreateKeyExA(write.root, write.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
      ++failures;
      continue;
    }
    if (RegSetValueExA(key, write.valueName.c_str(), 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&write.value), sizeof write.value) != ERROR_SUCCESS)
      ++failures;
    RegCloseKey(key);
  }
  return failures;
}

int ListBackupNamesBare(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*" + kBackupExtension).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    ++count;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

}  // namespace quorvane::bench
