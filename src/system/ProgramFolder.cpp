#include "system/ProgramFolder.h"

#include <windows.h>

namespace quorvane {

namespace {
std::string& FolderOverride() {
  static std::string folder;
  return folder;
}

std::string ModulePath() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

}  // namespace

std::string ProgramFolder() {
  if (!FolderOverride().empty()) return FolderOverride();
  const std::string path = ModulePath();
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string ProgramPath() {
  const std::string path = ModulePath();
  size_t slash = path.find_last_of("\\/");
  return ProgramFolder() + "\\" + (slash == std::string::npos ? path : path.substr(slash + 1));
}

void OverrideProgramFolder(const std::string& folder) { FolderOverride() = folder; }

std::string BackupsFolder() { return ProgramFolder() + "\\Backups"; }

}  // namespace quorvane
