#include "optimizer/ExportTarget.h"

#include <windows.h>

#include "common/FileText.h"
#include "common/SystemError.h"
#include "common/TextCase.h"

namespace quorvane {

namespace {

// Windows opens these devices whatever folder and extension the name is given.
bool IsDeviceName(std::string name) {
  name = ToLowerAscii(name.substr(0, name.find('.')));
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  if (name == "con" || name == "prn" || name == "aux" || name == "nul" || name == "conin$" || name == "conout$")
    return true;
  return name.size() == 4 && (name.rfind("com", 0) == 0 || name.rfind("lpt", 0) == 0) && name[3] >= '1' &&
         name[3] <= '9';
}

}  // namespace

std::string ExportPathProblem(const std::string& path) {
  if (path.size() >= 4 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/') &&
      (path[2] == '?' || path[2] == '.') && (path[3] == '\\' || path[3] == '/'))
    return "\\\\?\\ and \\\\.\\ paths are not accepted; give an ordinary path such as C:\\Temp\\backup.reg";
  const size_t slash = path.find_last_of("\\/");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty()) return "the path names a folder, not a file";
  if (IsDeviceName(name)) return "\"" + name + "\" is the name of a device, not of a file";
  // A colon past the drive letter names a stream of another file.
  if (path.find(':', 2) != std::string::npos) return "a colon is only allowed after the drive letter";
  return std::string();
}

ExportWrite WriteExportFile(const std::string& path, const std::string& text, bool replace, std::string* error) {
  const std::string problem = ExportPathProblem(path);
  if (!problem.empty()) {
    *error = "The file " + path + " cannot be written: " + problem + ".";
    return ExportWrite::Refused;
  }
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      *error = "The file " + path + " is a link to another place; it is not written through. Delete the link "
               "or choose another name.";
      return ExportWrite::Refused;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      *error = path + " is a folder; give the name of the file to write.";
      return ExportWrite::Refused;
    }
    if (!replace) {
      *error = "The file " + path + " already exists; it was left as it is. Give another name, or add /y to "
               "replace it.";
      return ExportWrite::Exists;
    }
    // Written beside it, then renamed over it: the rename replaces whatever is in
    // the file's place instead of writing through it.
    const std::string temporary = path + ".~" + std::to_string(GetCurrentProcessId()) + ".tmp";
    if (!WriteNewFileText(temporary, text, error)) return ExportWrite::Failed;
    bool moved = MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    // The 95 family has no MoveFileEx, and no links either.
    if (!moved && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED)
      moved = DeleteFileA(path.c_str()) && MoveFileA(temporary.c_str(), path.c_str());
    if (!moved) {
      *error = "The file " + path + " cannot be replaced: " + SystemErrorText(GetLastError());
      DeleteFileA(temporary.c_str());
      return ExportWrite::Failed;
    }
    return ExportWrite::Written;
  }
  if (WriteNewFileText(path, text, error)) return ExportWrite::Written;
  const DWORD status = GetLastError();
  // Made since it was looked at, or a link whose target is gone: still not replaced.
  if (status == ERROR_FILE_EXISTS || status == ERROR_ALREADY_EXISTS) {
    *error = "The file " + path + " already exists; it was left as it is.";
    return ExportWrite::Exists;
  }
  return ExportWrite::Failed;
}

}  // namespace quorvane
