#include "shell/mdlAddons.h"

#include "common/UniqueHandle.h"
#include "system/Effects.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

DWORD EnableShutdownPrivilege() {
  HANDLE opened = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened)) return GetLastError();
  KernelHandle token(opened);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  if (!LookupPrivilegeValueA("", "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return GetLastError();
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  TOKEN_PRIVILEGES previous{};
  DWORD previousSize = sizeof previous;  // 16 bytes: one privilege entry
  // Success too sets the code: ERROR_NOT_ALL_ASSIGNED when the account lacks the privilege.
  AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof previous, &previous, &previousSize);
  return GetLastError();
}

DWORD RestartWindows() {
  if (const DWORD refused = EnableShutdownPrivilege()) return refused;
  if (CurrentEffects().RestartWindows(EWX_REBOOT, 0xFFFFFFFF)) return ERROR_SUCCESS;
  const DWORD refused = GetLastError();
  return refused ? refused : ERROR_GEN_FAILURE;
}

void OpenInternetProperties() { CurrentEffects().StartProgram(kInternetPropertiesCommand, SW_SHOW); }
void OpenSystemProperties() { CurrentEffects().StartProgram(kSystemPropertiesCommand, SW_SHOW); }
void OpenModemSettings() { CurrentEffects().StartProgram(kModemSettingsCommand, SW_SHOW); }

std::string NetworkSettingsCommandFor(int osVersionId) {
  if (IsWin9xFamily(osVersionId)) return kNetworkSettings9xCommand;
  if (IsNtFamily(osVersionId)) return kNetworkSettingsNtCommand;
  return std::string();
}

void OpenNetworkSettings() {
  const std::string command = NetworkSettingsCommandFor(OSVersionId);
  if (!command.empty()) CurrentEffects().StartProgram(command, SW_SHOW);
}

}  // namespace quorvane
