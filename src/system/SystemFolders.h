// The folders Windows keeps its own programs and libraries in. The program runs as
// administrator, so whatever it starts or loads comes from one of these by full
// path, never from a search that could find a copy planted elsewhere.
#pragma once

#include <string>

namespace quorvane {

// The system folder (GetSystemDirectory, e.g. C:\Windows\system32), no trailing
// backslash; empty when Windows does not say.
std::string SystemFolder();

// The Windows folder shared by every user (GetSystemWindowsDirectory where Windows
// has it: under Terminal Services GetWindowsDirectory may answer a folder of the
// user's own); no trailing backslash, empty when Windows does not say.
std::string WindowsFolder();

}  // namespace quorvane
