// Which Windows the program runs on, as the small number the rest of the program
// (and every backup file) uses. Pure classification, no <windows.h>.
#pragma once

#include <cstdint>

namespace quorvane {

// GetWindowsVersion results.
enum WindowsVersion : int {
  kWindowsUnknown = 0,
  kWindows95 = 1,
  kWindows98 = 2,
  kWindowsMe = 3,
  kWindowsNt = 4,
  kWindows2000 = 5,
  kWindowsXp = 6,
  kWindowsNt52OrLater = 7,  // Server 2003, Vista, 7, 8, 10, 11
};

// OSVersionId values are GetWindowsVersion + 1: 1..4 the 9x family (1 is an
// unrecognised system treated like it), 5..8 the NT family; 0 before detection.
constexpr int16_t kOsIdNotDetected = 0;
constexpr int16_t kOsIdWin32 = 1;
constexpr int16_t kOsIdWin95 = 2;
constexpr int16_t kOsIdWin98 = 3;
constexpr int16_t kOsIdWinMe = 4;
constexpr int16_t kOsIdWinNt = 5;
constexpr int16_t kOsIdWin2000 = 6;
constexpr int16_t kOsIdWinXp = 7;
constexpr int16_t kOsIdNt52OrLater = 8;

// Platform identifiers of OSVERSIONINFO.
constexpr unsigned long kPlatformWin32s = 0;
constexpr unsigned long kPlatformWindows = 1;
constexpr unsigned long kPlatformNt = 2;

// The classification behind GetWindowsVersion. 9x systems are told apart by the
// minor version alone; NT 3.x and 4.x are both "Windows NT".
int ClassifyWindowsVersion(unsigned long platformId, unsigned long major, unsigned long minor);

// Display name that belongs to an OSVersionId ("Windows 98"); empty for 0 and
// numbers out of range.
const char* OSNameFor(int osVersionId);

inline bool IsWin9xFamily(int osVersionId) { return osVersionId >= 1 && osVersionId <= 4; }
inline bool IsNtFamily(int osVersionId) { return osVersionId >= 5 && osVersionId <= 8; }

}  // namespace quorvane
