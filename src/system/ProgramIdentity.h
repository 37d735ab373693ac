// Whether another process runs this same program file. A window's class, a
// mutex's name or a process's file name can be taken by any program of the
// session; the file a process was started from cannot.
#pragma once

#include <windows.h>

namespace quorvane {

// True when the process runs the very file this process runs (the same file on
// the same volume, however its path is spelt); false when it runs another file,
// or when Windows does not say.
bool RunsThisProgram(DWORD processId);

// RunsThisProgram for the process that owns the window; false for no window.
bool WindowOfThisProgram(HWND window);

}  // namespace quorvane
