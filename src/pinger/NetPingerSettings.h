// The pinger's saved settings: six values under kNetPingerSection, each named
// after the window's control that shows it. A value that is missing, or that
// its control could not take, reads as its default.
#pragma once

#include <optional>
#include <string>

namespace quorvane {

// The interval list: 1 to 60 minutes.
inline constexpr int kPingIntervalCount = 60;
// Automatic mode pings every 6 minutes, and the list shows that entry.
inline constexpr int kAutoPingIntervalIndex = 5;
inline constexpr const char* kAutomaticHostText = "Automatic";

struct NetPingerSettings {
  bool enabled = false;                        // chkDoPinging: "0" off, "1" (or a grayed "2") on
  bool automatic = true;                       // optAuto and optManual: True or False, in any letter case
  std::string host = kAutomaticHostText;       // txtPingHost, as shown: "Automatic" in automatic mode
  int intervalIndex = kAutoPingIntervalIndex;  // cmbPingInterval: minutes - 1
  bool sound = false;                          // chkSound

  // Ticks (minutes) from one ping to the next.
  int PeriodTicks() const;
};

// The manual host and interval, which Manual brings back after a switch to Automatic.
struct ManualChoice {
  std::string host;
  int intervalIndex = 0;
};

// As the window loads them: Manual set wins over Automatic, neither set is
// automatic mode, and automatic mode shows its own host text and interval.
NetPingerSettings ReadNetPingerSettings();

}  // namespace quorvane
