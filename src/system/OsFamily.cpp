#include "system/OsFamily.h"

namespace quorvane {

int ClassifyWindowsVersion(unsigned long platformId, unsigned long major, unsigned long minor) {
  switch (platformId) {
    case kPlatformWindows:
      switch (minor) {
        case 0: return kWindows95;
        case 10: return kWindows98;
        case 90: return kWindowsMe;
        default: return kWindowsUnknown;
      }
    case kPlatformNt:
      if (major < 5) return kWindowsNt;
      if (major > 5) return kWindowsNt52OrLater;
      switch (minor) {
        case 0: return kWindows2000;
        case 1: return kWindowsXp;
        default: return kWindowsNt52OrLater;
      }
    default:
      return kWindowsUnknown;
  }
}

const char* OSNameFor(int osVersionId) {
  static const char* const kNames[] = {
      "",           "Windows 32",   "Windows 95", "Windows 98", "Windows ME",
      "Windows NT", "Windows 2000", "Windows XP", "Windows NT 5.2 or later",
  };
  if (osVersionId < 0 || osVersionId >= static_cast<int>(sizeof kNames / sizeof kNames[0])) return "";
  return kNames[osVersionId];
}

}  // namespace quorvane
