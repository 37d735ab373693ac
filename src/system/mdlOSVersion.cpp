#include "system/mdlOSVersion.h"

#include <windows.h>

namespace quorvane {

int16_t OSVersionId = kOsIdNotDetected;
std::string OSName;
WindowsRelease RunningRelease;

namespace {

OSVERSIONINFOA AskVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148 bytes, the ANSI record
  // Asked for the old record on purpose; the result is not checked: a failure
  // leaves platform 0, which classifies as unrecognised.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&info);
#pragma GCC diagnostic pop
  return info;
}

}  // namespace

int GetWindowsVersion() {
  const OSVERSIONINFOA info = AskVersion();
  return ClassifyWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

void SetOperatingSystem(int16_t osVersionId) {
  OSVersionId = osVersionId;
  OSName = OSNameFor(osVersionId);
}

void detectOperatingSystem() {
  const OSVERSIONINFOA info = AskVersion();
  // 9x keeps its version in the low word of the build number.
  const unsigned long build = info.dwPlatformId == kPlatformNt ? info.dwBuildNumber : info.dwBuildNumber & 0xFFFF;
  RunningRelease = {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, build};
  SetOperatingSystem(static_cast<int16_t>(
      ClassifyWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion) + 1));
}

void SetRunningRelease(const WindowsRelease& release) { RunningRelease = release; }

}  // namespace quorvane
