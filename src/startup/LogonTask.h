// The scheduled task "Quorvane" that starts the program at the user's logon on
// Windows Vista and later, kept through schtasks.exe from the system folder.
#pragma once

#include <string>

namespace quorvane {

// Registers (or replaces) the task for the running program and the user running
// it. Empty when done, else the reason for a person.
std::string RegisterLogonTask();

// Removes the task; a task that is not there counts as removed. Empty when done,
// else the reason.
std::string RemoveLogonTask();

// schtasks.exe in the system folder, by full path.
std::string SchtasksPath();

}  // namespace quorvane
