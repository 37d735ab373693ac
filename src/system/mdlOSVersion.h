// Detects the running Windows once at start-up and publishes it program-wide.
#pragma once

#include <cstdint>
#include <string>

#include "system/OsFamily.h"

namespace quorvane {

// Set only by detectOperatingSystem (and by tests); read everywhere else.
extern int16_t OSVersionId;
extern std::string OSName;

// Asks GetVersionEx and classifies the answer (0..7, see WindowsVersion).
int GetWindowsVersion();

// OSVersionId = GetWindowsVersion() + 1, OSName to match.
void detectOperatingSystem();

// Sets both values for a given number (used by detection and by tests).
void SetOperatingSystem(int16_t osVersionId);

}  // namespace quorvane
