#include "shell/mdlAddons.h"

#include "common/UniqueHandle.h"
#include "system/Effects.h"
#include "system/SystemFolders.h"
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

namespace {

void StartApplet(const std::string& arguments) {
  // Where Windows keeps rundll32.exe; never by its bare name, which would be looked
  // for beside this program and in the current folder first.
  const std::string folder = IsWin9xFamily(OSVersionId) ? WindowsFolder() : SystemFolder();
  const std::string rundll32 = folder + "\\rundll32.exe";
  CurrentEffects().StartProgram(rundll32, QuotedCommandLine(rundll32, arguments), SW_SHOW);
}

}  // namespace

void OpenInternetProperties() { StartApplet(kInternetPropertiesApplet); }
void OpenSystemProperties() { StartApplet(kSystemPropertiesApplet); }
void OpenModemSettings() { StartApplet(kModemSettingsApplet); }

std::string NetworkSettingsAppletFor(int osVersionId) {
  if (IsWin9xFamily(osVersionId)) return kNetworkSettings9xApplet;
  if (IsNtFamily(osVersionId)) return kNetworkSettingsNtApplet;
  return std::string();
}

void OpenNetworkSettings() {
  const std::string applet = NetworkSettingsAppletFor(OSVersionId);
  if (!applet.empty()) StartApplet(applet);
}

}  // namespace quorvane
