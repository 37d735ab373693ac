#include "startup/LogonTask.h"

#include <windows.h>

#include "common/SystemError.h"
#include "common/UniqueHandle.h"
#include "startup/LogonTaskXml.h"
#include "system/Effects.h"
#include "system/LazyLibrary.h"
#include "system/ProgramFolder.h"

namespace quorvane {

namespace {

// Looked up at run time: the 95 family's advapi32 lacks them, and only NT 6+ asks.
using GetTokenInformationFn = BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);
using LookupAccountSidFn = BOOL(WINAPI*)(LPCSTR, PSID, LPSTR, LPDWORD, LPSTR, LPDWORD, PSID_NAME_USE);
using StringToDescriptorFn = BOOL(WINAPI*)(LPCSTR, DWORD, PSECURITY_DESCRIPTOR*, PULONG);

// "DOMAIN\user" of the process's own token: the user whose logon starts the task.
std::string CurrentUserId() {
  static const auto tokenInformation = LibraryFunction<GetTokenInformationFn>("advapi32.dll", "GetTokenInformation");
  static const auto lookup = LibraryFunction<LookupAccountSidFn>("advapi32.dll", "LookupAccountSidA");
  HANDLE rawToken = nullptr;
  if (!tokenInformation || !lookup || !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &rawToken)) return "";
  KernelHandle token(rawToken);
  alignas(TOKEN_USER) char buffer[256];
  DWORD size = 0;
  if (!tokenInformation(token.get(), TokenUser, buffer, sizeof buffer, &size)) return "";
  char name[256], domain[256];
  DWORD nameSize = sizeof name, domainSize = sizeof domain;
  SID_NAME_USE use;
  if (!lookup(nullptr, reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, name, &nameSize, domain, &domainSize, &use))
    return "";
  return std::string(domain) + "\\" + name;
}

// The definition as UTF-16 with its byte-order mark, as its declaration says.
std::string Utf16File(const std::string& text) {
  const int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(count), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), count);
  std::string bytes = "\xFF\xFE";
  bytes.append(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
  return bytes;
}

// A new file in the temporary folder that only administrators and the system may
// open: the task it describes runs with the user's highest rights, so no program
// of the user's own must be able to change it before schtasks reads it.
FileHandle CreateProtectedFile(std::string* path, DWORD* error) {
  static const auto toDescriptor = LibraryFunction<StringToDescriptorFn>(
      "advapi32.dll", "ConvertStringSecurityDescriptorToSecurityDescriptorA");
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!toDescriptor || !toDescriptor("D:P(A;;FA;;;BA)(A;;FA;;;SY)", 1, &descriptor, nullptr)) {
    *error = toDescriptor ? GetLastError() : ERROR_PROC_NOT_FOUND;
    return FileHandle();
  }
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  char folder[MAX_PATH];
  const DWORD length = GetTempPathA(sizeof folder, folder);
  FileHandle file;
  if (length == 0 || length >= sizeof folder) {
    *error = GetLastError();
  } else {
    *path = std::string(folder) + "Quorvane-task-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount()) + ".xml";
    // CREATE_NEW: a file already there under that name is never used.
    file.reset(CreateFileA(path->c_str(), GENERIC_WRITE, FILE_SHARE_READ, &attributes, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY, nullptr));
    if (!file) *error = GetLastError();
  }
  LocalFree(descriptor);
  return file;
}

// What went wrong in a run of schtasks, for a person: its own words when it
// wrote any, else its exit code.
std::string RunProblem(const ProgramRun& run) {
  if (!run.started) return SystemErrorText(run.error);
  std::string said = run.output;
  while (!said.empty() && (said.back() == '\r' || said.back() == '\n' || said.back() == ' ')) said.pop_back();
  if (!said.empty()) return said;
  return "schtasks.exe ended with code " + std::to_string(run.exitCode) + ".";
}

ProgramRun Schtasks(const std::string& arguments) { return CurrentEffects().RunProgram(SchtasksPath(), arguments); }

}  // namespace

std::string SchtasksPath() {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, sizeof folder);
  if (length == 0 || length >= sizeof folder) return "";
  return std::string(folder) + "\\schtasks.exe";
}

std::string RegisterLogonTask() {
  const std::string user = CurrentUserId();
  if (user.empty()) return "the user's account could not be read: " + SystemErrorText(GetLastError());
  std::string path;
  DWORD error = 0;
  FileHandle file = CreateProtectedFile(&path, &error);
  if (!file) return "the task's file could not be written: " + SystemErrorText(error);
  const std::string bytes = Utf16File(LogonTaskXml(ProgramPath(), user));
  DWORD written = 0;
  const bool wrote = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                     written == bytes.size();
  error = GetLastError();
  // schtasks opens the file to read only while others write nothing: a reading
  // handle replaces the writing one, and kept open (not shared for deleting) it
  // stops anyone from putting another file under the name meanwhile.
  FileHandle held;
  if (wrote) {
    held.reset(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr));
    if (!held) error = GetLastError();
  }
  file.reset();
  ProgramRun run;
  if (held) run = Schtasks(std::string("/Create /TN ") + kLogonTaskName + " /XML \"" + path + "\" /F");
  held.reset();
  DeleteFileA(path.c_str());
  if (!wrote || (!run.started && run.error == 0)) return "the task's file could not be written: " + SystemErrorText(error);
  return run.started && run.exitCode == 0 ? "" : RunProblem(run);
}

std::string RemoveLogonTask() {
  const ProgramRun removed = Schtasks(std::string("/Delete /TN ") + kLogonTaskName + " /F");
  if (removed.started && removed.exitCode == 0) return "";
  // A task that is not there is what was asked for. /Query lists the task by its
  // name only when it is there (Wine's schtasks takes /Query and lists nothing).
  const ProgramRun query = Schtasks(std::string("/Query /TN ") + kLogonTaskName);
  const bool listed = query.started && query.exitCode == 0 && query.output.find(kLogonTaskName) != std::string::npos;
  if (query.started && !listed) return "";
  return RunProblem(removed);
}

}  // namespace quorvane
