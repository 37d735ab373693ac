// The thirteen TCP/IP and Internet Explorer values the optimizer sets, the working
// set and the eight built-in presets. Pure data, no <windows.h>.
#pragma once

#include <cstdint>

namespace quorvane {

// -1 in a number asks for the Windows default: its values are removed, and
// Windows falls back to its built-in value.
constexpr int32_t kWindowsDefault = -1;

struct TcpSettings {
  int32_t MSS = 0;
  int32_t MTU = 0;
  int32_t RWIN = 0;
  int32_t TTL = 0;
  int32_t KeepAliveTime = 0;      // milliseconds
  int32_t KeepAliveInterval = 0;  // milliseconds
  int16_t SYNProtect = 0;         // 0, 1 or 2
  int32_t NDICacheSize = 0;
  bool PMTUDiscovery = false;
  bool BlackHoleDetect = false;
  int32_t MaxConn10 = 0;
  int32_t MaxConn11 = 0;
  bool ICMPRedirect = false;

  bool operator==(const TcpSettings&) const = default;
};

constexpr int kModePresetCount = 8;

// The working set and the presets; index i is the wizard's mode option i.
extern TcpSettings CurrentSettings;
extern TcpSettings ModePresets[kModePresetCount];

// The wizard modes' captions, by preset index ("Automatic-A" .. "Windows default").
extern const char* const kModeCaptions[kModePresetCount];

// Fills ModePresets 0 to 7 once at start-up.
void InitModePresets();
// The working set the windows start from: preset 0 with no NDI cache (the
// advanced wizard's first choice). Once at start-up, after the presets.
void StartWorkingSettings();

// The "Windows default" set: every number is kWindowsDefault, and the apply
// removes every value it writes, the flags and the fixed ones too.
bool IsWindowsDefaultSet(const TcpSettings& settings);

// A true/false field as the registry number: 1 for true, 0 otherwise.
inline int32_t RegFlag(bool field) { return field ? 1 : 0; }

}  // namespace quorvane
