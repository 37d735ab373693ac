#include "system/ProgramFolder.h"

#include <windows.h>

namespace quorvane {

namespace {
std::string& FolderOverride() {
  static std::string folder;
  return folder;
}
}  // namespace

std::string ProgramFolder() {
  if (!FolderOverride().empty()) return FolderOverride();
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

void OverrideProgramFolder(const std::string& folder) { FolderOverride() = folder; }

std::string BackupsFolder() { return ProgramFolder() + "\\Backups"; }

}  // namespace quorvane
