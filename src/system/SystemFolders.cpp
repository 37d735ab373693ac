#include "system/SystemFolders.h"

#include <windows.h>

#include "system/LazyLibrary.h"

namespace quorvane {

namespace {

using FolderQuery = UINT(WINAPI*)(LPSTR, UINT);

std::string Ask(FolderQuery query) {
  char folder[MAX_PATH];
  const UINT length = query ? query(folder, MAX_PATH) : 0;
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::string path(folder, length);
  if (path.back() == '\\') path.pop_back();  // a drive's root ("C:\")
  return path;
}

}  // namespace

std::string SystemFolder() { return Ask(GetSystemDirectoryA); }

std::string WindowsFolder() {
  // Windows 2000 and later; the 9x family and NT 4 have only the one Windows folder.
  static const auto shared = LibraryFunction<FolderQuery>("kernel32.dll", "GetSystemWindowsDirectoryA");
  return Ask(shared ? shared : GetWindowsDirectoryA);
}

}  // namespace quorvane
