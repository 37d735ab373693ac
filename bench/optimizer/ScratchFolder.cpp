#include "ScratchFolder.h"

#include <windows.h>

#include <vector>

#include "optimizer/BackupFormat.h"

namespace quorvane::bench {

bool MakeFolder(const std::string& folder) {
  DWORD attributes = GetFileAttributesA(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return CreateDirectoryA(folder.c_str(), nullptr) != 0;
}

void EmptyFolder(const std::string& folder) {
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  for (const std::string& name : files) DeleteFileA((folder + "\\" + name).c_str());
}

void RemoveFolder(const std::string& folder) {
  EmptyFolder(folder);
  RemoveDirectoryA(folder.c_str());
}

bool FillWithBackupNames(const std::string& folder, int count) {
  for (int number = 1; number <= count; ++number) {
    HANDLE file = CreateFileA((folder + "\\" + BackupFileName(number)).c_str(), GENERIC_WRITE, 0,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
  }
  return true;
}

}  // namespace quorvane::bench
