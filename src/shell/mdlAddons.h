// Launchers of the Control Panel applets, and the restart of Windows.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane {

// The applets, as rundll32.exe's arguments; the network applet depends on the
// Windows family.
inline constexpr const char* kInternetPropertiesApplet = "shell32.dll,Control_RunDLL inetcpl.cpl,,0";
inline constexpr const char* kSystemPropertiesApplet = "shell32.dll,Control_RunDLL sysdm.cpl,,0";
inline constexpr const char* kModemSettingsApplet = "shell32.dll,Control_RunDLL modem.cpl";
inline constexpr const char* kNetworkSettings9xApplet = "shell32.dll,Control_RunDLL netcpl.cpl";
inline constexpr const char* kNetworkSettingsNtApplet = "shell32.dll,Control_RunDLL ncpa.cpl";

// Enables SeShutdownPrivilege in the process token: 0, or the system's error code
// (ERROR_NOT_ALL_ASSIGNED when the account does not hold the privilege).
DWORD EnableShutdownPrivilege();

// The privilege, then ExitWindowsEx(EWX_REBOOT, 0xFFFFFFFF): 0 when Windows took the
// request, else the system's error code saying why not. Taken is not done: the
// session ends only when every program agreed (WM_ENDSESSION).
DWORD RestartWindows();

// Each starts its applet through rundll32.exe by its full path (the Windows folder
// on the 9x family, the system folder on the NT family), shown normally, without
// waiting. The network applet is netcpl.cpl on the 9x family and ncpa.cpl on the NT
// family; nothing otherwise.
void OpenInternetProperties();
void OpenSystemProperties();
void OpenModemSettings();
void OpenNetworkSettings();

// The network applet's rundll32.exe arguments for a Windows version number; empty
// for none.
std::string NetworkSettingsAppletFor(int osVersionId);

}  // namespace quorvane
