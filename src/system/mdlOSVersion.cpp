#include "system/mdlOSVersion.h"

#include <windows.h>

namespace quorvane {

int16_t OSVersionId = kOsIdNotDetected;
std::string OSName;

int GetWindowsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148 bytes, the ANSI record
  // Asked for the old record on purpose; the result is not checked: a failure
  // leaves platform 0, which classifies as unrecognised.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&info);
#pragma GCC diagnostic pop
  return ClassifyWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

void SetOperatingSystem(int16_t osVersionId) {
  OSVersionId = osVersionId;
  OSName = OSNameFor(osVersionId);
}

void detectOperatingSystem() { SetOperatingSystem(static_cast<int16_t>(GetWindowsVersion() + 1)); }

}  // namespace quorvane
