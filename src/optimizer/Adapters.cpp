#include "optimizer/Adapters.h"

#include <windows.h>

#include "registry/RegKey.h"

namespace quorvane {

std::vector<std::string> EnumerateAdapters(Layout layout) {
  std::vector<std::string> names;
  if (layout == Layout::None) return names;
  RegKey parent;
  if (parent.Open(HKEY_LOCAL_MACHINE, AdapterParentKey(layout), KEY_READ) != ERROR_SUCCESS) return names;
  for (DWORD index = 0;; ++index) {
    char name[255];
    DWORD length = sizeof name;
    LONG status = RegEnumKeyExA(parent.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status == ERROR_MORE_DATA) continue;  // a name longer than any key path we could write
    if (status != ERROR_SUCCESS) break;       // the key went away under us
    names.emplace_back(name, length);
  }
  return names;
}

}  // namespace quorvane
