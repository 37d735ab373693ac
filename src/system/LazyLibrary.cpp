#include "system/LazyLibrary.h"

namespace quorvane {

FARPROC LibraryFunction(const char* library, const char* name) {
  // Loaded once: a library already in the process is not counted again.
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);
  return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace quorvane
