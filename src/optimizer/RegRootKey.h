// The Windows root key handle of a layout root.
#pragma once

#include <windows.h>

#include "optimizer/RegistryLayout.h"

namespace quorvane {

inline HKEY ToHkey(RegRoot root) {
  return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

}  // namespace quorvane
