// The user's Run entry of Windows, which starts the program at logon.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane {

inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValueName = "Quorvane";

// The entry's data for the program at this path: the path itself, in double quotes
// when it holds a blank (unquoted, "C:\Program Files\..." would run "C:\Program.exe").
std::string RunEntryCommand(const std::string& programPath);

// Writes the entry for the running program (HKEY_CURRENT_USER), or removes it;
// a missing entry counts as removed. Returns the system's status.
LONG WriteRunEntry();
LONG RemoveRunEntry();

}  // namespace quorvane
