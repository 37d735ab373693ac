#include "system/LazyLibrary.h"

#include <string>

#include "system/SystemFolders.h"

namespace quorvane {

FARPROC LibraryFunction(const char* library, const char* name) {
  // Loaded once: a library already in the process is not loaded again.
  HMODULE module = GetModuleHandleA(library);
  if (!module) {
    // From the system folder only, by its full path: a bare name would be looked
    // for beside the program first, where anyone who can write there could plant it.
    const std::string folder = SystemFolder();
    if (folder.empty()) return nullptr;
    module = LoadLibraryA((folder + "\\" + library).c_str());
  }
  return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace quorvane
