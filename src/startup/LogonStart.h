// Whether Windows starts the program at the user's logon: the Run entry on
// Windows 95 to XP, the scheduled task on Vista and later (where a program that
// asks for elevation is not started from the Run key).
#pragma once

#include <string>

namespace quorvane {

// Turns the start at logon on (for the program where it now is) or off, on the
// running Windows. Empty when done, else the system's reason for a person.
std::string SetStartAtLogon(bool on);

// What a person is told when that failed: "Windows could not be told to start
// Quorvane: <reason>".
std::string StartAtLogonFailure(bool on, const std::string& reason);

}  // namespace quorvane
