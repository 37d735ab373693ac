// System libraries the program needs only later (sounds, the save dialog, sockets,
// ICMP) are loaded on first use rather than imported: each imported DLL, with the
// DLLs it pulls in, is loaded and initialised before the first window shows.
#pragma once

#include <windows.h>

namespace quorvane {

// The named export of the system library, which is loaded from the system folder
// (never from beside the program) on the first call and stays for the process's
// life; nullptr when the library or the export is missing.
FARPROC LibraryFunction(const char* library, const char* name);

template <typename Function>
Function LibraryFunction(const char* library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(LibraryFunction(library, name)));
}

}  // namespace quorvane
