#include "system/ProgramIdentity.h"

#include <string>

#include "common/UniqueHandle.h"
#include "system/LazyLibrary.h"

namespace quorvane {

namespace {

// The file a process was started from; empty when Windows does not say.
std::string ImagePathOf(DWORD processId) {
  // Windows Vista and later answer with the least access, for any user's process.
  static const auto fullImageName =
      LibraryFunction<BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD)>("kernel32.dll", "QueryFullProcessImageNameA");
  static const auto moduleFileName =
      LibraryFunction<DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD)>("psapi.dll", "GetModuleFileNameExA");
  constexpr DWORD kQueryLimitedInformation = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION, Vista on
  char path[MAX_PATH];
  if (fullImageName) {
    KernelHandle process(OpenProcess(kQueryLimitedInformation, FALSE, processId));
    DWORD length = MAX_PATH;
    if (process && fullImageName(process.get(), 0, path, &length)) return std::string(path, length);
  }
  if (moduleFileName) {
    KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    const DWORD length = process ? moduleFileName(process.get(), nullptr, path, MAX_PATH) : 0;
    if (length > 0 && length < MAX_PATH) return std::string(path, length);
  }
  return std::string();
}

// The file's identity: its volume and its index on the volume.
bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION* identity) {
  if (path.empty()) return false;
  FileHandle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr));
  return file && GetFileInformationByHandle(file.get(), identity);
}

}  // namespace

bool RunsThisProgram(DWORD processId) {
  char own[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, own, MAX_PATH);
  BY_HANDLE_FILE_INFORMATION ours{}, theirs{};
  if (length == 0 || length >= MAX_PATH || !FileIdentity(std::string(own, length), &ours) ||
      !FileIdentity(ImagePathOf(processId), &theirs))
    return false;
  return ours.dwVolumeSerialNumber == theirs.dwVolumeSerialNumber && ours.nFileIndexHigh == theirs.nFileIndexHigh &&
         ours.nFileIndexLow == theirs.nFileIndexLow;
}

bool WindowOfThisProgram(HWND window) {
  DWORD processId = 0;
  return window && GetWindowThreadProcessId(window, &processId) && RunsThisProgram(processId);
}

}  // namespace quorvane
