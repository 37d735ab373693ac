// Detects the running Windows once at start-up and publishes it program-wide.
#pragma once

#include <cstdint>
#include <string>

#include "system/OsFamily.h"
#include "system/WindowsRelease.h"

namespace quorvane {

// Set only by detectOperatingSystem (and by tests); read everywhere else.
extern int16_t OSVersionId;
extern std::string OSName;
// The release behind OSVersionId, for what differs within a family (Vista to 11).
extern WindowsRelease RunningRelease;

// Asks GetVersionEx and classifies the answer (0..7, see WindowsVersion).
int GetWindowsVersion();

// OSVersionId = GetWindowsVersion() + 1, OSName to match.
void detectOperatingSystem();

// Sets both values for a given number (used by detection and by tests).
void SetOperatingSystem(int16_t osVersionId);

// Sets RunningRelease alone (tests).
void SetRunningRelease(const WindowsRelease& release);

}  // namespace quorvane
