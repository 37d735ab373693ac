#include "system/LazyLibrary.h"

#include <string>

namespace quorvane {

FARPROC LibraryFunction(const char* library, const char* name) {
  // Loaded once: a library already in the process is not loaded again.
  HMODULE module = GetModuleHandleA(library);
  if (!module) {
    // From the system folder only, by its full path: a bare name would be looked
    // for beside the program first, where anyone who can write there could plant it.
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    module = LoadLibraryA((std::string(folder, length) + "\\" + library).c_str());
  }
  return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace quorvane
