#include "memory/modFreeRam.h"

#include <windows.h>

namespace quorvane {

bool IsNTPlatform() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148 bytes, the record every Windows knows
  static_assert(sizeof(OSVERSIONINFOA) == 148);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return false;
#pragma GCC diagnostic pop
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace quorvane
