#include "optimizer/Adapters.h"

#include <windows.h>

#include "registry/RegKey.h"

namespace quorvane {

std::vector<std::string> EnumerateAdapters(Layout layout) {
  if (layout == Layout::None) return {};
  RegKey parent;
  if (parent.Open(HKEY_LOCAL_MACHINE, AdapterParentKey(layout), KEY_READ) != ERROR_SUCCESS) return {};
  return parent.Subkeys();
}

}  // namespace quorvane
