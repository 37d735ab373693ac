#include "optimizer/TcpSettings.h"

namespace quorvane {

TcpSettings CurrentSettings;
TcpSettings ModePresets[kModePresetCount];

const char* const kModeCaptions[kModePresetCount] = {
    "Automatic-A", "Automatic-B", "Automatic-C", "Automatic-D",
    "Automatic-E", "Automatic-F", "Automatic-G", "Windows default",
};

namespace {

TcpSettings Preset(int32_t mss, int32_t mtu, int32_t rwin, int32_t ttl, int32_t keepAliveTime,
                   int32_t maxConn10, int32_t maxConn11) {
  TcpSettings set;
  set.MSS = mss;
  set.MTU = mtu;
  set.RWIN = rwin;
  set.TTL = ttl;
  set.KeepAliveTime = keepAliveTime;
  set.KeepAliveInterval = 1000;
  set.SYNProtect = 2;
  set.NDICacheSize = 0;
  set.PMTUDiscovery = true;
  set.BlackHoleDetect = false;
  set.MaxConn10 = maxConn10;
  set.MaxConn11 = maxConn11;
  set.ICMPRedirect = false;
  return set;
}

}  // namespace

void StartWorkingSettings() {
  CurrentSettings = ModePresets[0];
  CurrentSettings.NDICacheSize = 0;
}

void InitModePresets() {
  constexpr int32_t D = kWindowsDefault;
  //                          MSS   MTU   RWIN    TTL  KeepAlive  IE1.0 IE1.1
  ModePresets[0] = Preset(536,  576,  4288,   128, 600000,  16, 8);
  ModePresets[1] = Preset(536,  576,  D,      128, 600000,  16, 8);
  ModePresets[2] = Preset(D,    D,    D,      128, 600000,  16, 8);
  ModePresets[3] = Preset(536,  576,  5432,   64,  7200000, 20, 20);
  ModePresets[4] = Preset(1460, 1500, 256960, 64,  7200000, 20, 20);
  ModePresets[5] = Preset(1452, 1492, 255552, 64,  7200000, 20, 20);
  ModePresets[6] = Preset(1460, 1500, 256960, 32,  6400000, 20, 20);
  // Not values: Windows' own, whatever they are on the Windows it runs on.
  ModePresets[7] = Preset(D, D, D, D, D, D, D);
  ModePresets[7].KeepAliveInterval = D;
  ModePresets[7].SYNProtect = D;
  ModePresets[7].NDICacheSize = D;
  ModePresets[7].PMTUDiscovery = false;
}

bool IsWindowsDefaultSet(const TcpSettings& s) {
  constexpr int32_t D = kWindowsDefault;
  return s.MSS == D && s.MTU == D && s.RWIN == D && s.TTL == D && s.KeepAliveTime == D &&
         s.KeepAliveInterval == D && s.SYNProtect == D && s.NDICacheSize == D && s.MaxConn10 == D &&
         s.MaxConn11 == D;
}

}  // namespace quorvane
