// Wine's own reg.exe, run as a separate process: an independent look at what a
// test's program wrote into the registry.
#pragma once

#include <windows.h>

#include <string>

namespace testing {

// Runs "reg.exe query ARGUMENTS" and returns what it printed.
inline std::string RegQuery(const std::string& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  CreatePipe(&read, &write, &inherit, 0);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = write;
  PROCESS_INFORMATION process{};
  std::string commandLine = "reg.exe query " + arguments;
  std::string output;
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(write);
    write = nullptr;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got) output.append(buffer, got);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  if (write) CloseHandle(write);
  CloseHandle(read);
  return output;
}

}  // namespace testing
