#include "system/WindowsRelease.h"

#include "system/OsFamily.h"

namespace quorvane {

WindowsGeneration GenerationOf(const WindowsRelease& r) {
  if (r.platformId == kPlatformWindows) return WindowsGeneration::Win9x;
  if (r.platformId != kPlatformNt) return WindowsGeneration::Unknown;
  if (r.major < 5) return WindowsGeneration::Nt4;
  if (r.major == 5) return WindowsGeneration::Win2000Xp;  // 5.2 is Server 2003 and XP x64
  if (r.major == 6 && r.minor < 2) return WindowsGeneration::Vista7;
  return WindowsGeneration::Win8To11;
}

bool IsNt6OrLater(const WindowsRelease& r) { return r.platformId == kPlatformNt && r.major >= 6; }

std::string ReleaseName(const WindowsRelease& r) {
  if (r.platformId == kPlatformWindows) {
    if (r.minor == 0) return "Windows 95";
    if (r.minor == 10) return "Windows 98";
    if (r.minor == 90) return "Windows ME";
    return "";
  }
  if (r.platformId != kPlatformNt) return "";
  if (r.major < 5) return "Windows NT " + std::to_string(r.major) + "." + std::to_string(r.minor);
  if (r.major == 5) return r.minor == 0 ? "Windows 2000" : r.minor == 1 ? "Windows XP" : "Windows Server 2003";
  if (r.major == 6) {
    static const char* const kNames[] = {"Windows Vista", "Windows 7", "Windows 8", "Windows 8.1"};
    return r.minor < 4 ? kNames[r.minor] : "Windows 8.1";
  }
  // Windows 11 still reports 10.0; its builds start at 22000.
  if (r.major == 10 && r.minor == 0) return r.build >= 22000 ? "Windows 11" : "Windows 10";
  return "Windows " + std::to_string(r.major) + "." + std::to_string(r.minor);
}

}  // namespace quorvane
