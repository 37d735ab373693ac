#include "pinger/WindowsSockets.h"

#include <winsock.h>

#include <string>

#include "common/ProgramName.h"
#include "system/Effects.h"
#include "system/LazyLibrary.h"

namespace quorvane {

namespace {

void ShowSocketsMessage(const std::string& text, UINT icon) {
  CurrentEffects().ShowMessageBox(GetActiveWindow(), text, kProgramName, MB_OK | icon);
}

SocketsApi* LoadSocketsApi() {
  static SocketsApi api;
  api.WSAStartup = LibraryFunction<decltype(api.WSAStartup)>("wsock32.dll", "WSAStartup");
  api.WSACleanup = LibraryFunction<decltype(api.WSACleanup)>("wsock32.dll", "WSACleanup");
  api.gethostbyname = LibraryFunction<decltype(api.gethostbyname)>("wsock32.dll", "gethostbyname");
  return api.WSAStartup && api.WSACleanup && api.gethostbyname ? &api : nullptr;
}

}  // namespace

const SocketsApi* GetSocketsApi() {
  // First asked on the window's thread (SocketsStartup), before any lookup runs.
  static const SocketsApi* api = LoadSocketsApi();
  return api;
}

bool AcceptSocketsStartup(int startupStatus, uint16_t version, int maxSockets) {
  if (startupStatus != 0) {
    ShowSocketsMessage("Windows Sockets for 32 bit Windows environments is not successfully responding.", 0);
    return false;
  }
  int major = version & 0xFF;
  int minor = (version >> 8) & 0xFF;
  if (major < 1 || (major == 1 && minor < 1)) {
    ShowSocketsMessage("Windows Sockets Version " + std::to_string(major) + "." + std::to_string(minor) +
                           " is not supported by Windows Sockets for 32 bit Windows environments.",
                       MB_ICONWARNING);
    return false;
  }
  if (maxSockets < kMinimumSockets) {
    ShowSocketsMessage("This application requires a minimum of " + std::to_string(kMinimumSockets) +
                           " supported sockets.",
                       MB_ICONWARNING);
    return false;
  }
  return true;
}

bool SocketsStartup() {
  const SocketsApi* sockets = GetSocketsApi();
  WSADATA data{};
  int status = sockets ? sockets->WSAStartup(kRequestedSocketsVersion, &data) : WSASYSNOTREADY;
  // iMaxSockets is an unsigned short; a layer offering none reports 0.
  if (AcceptSocketsStartup(status, data.wVersion, data.iMaxSockets)) return true;
  if (status == 0) sockets->WSACleanup();  // started, but not usable: undo our start
  return false;
}

void SocketsCleanup() {
  int status = GetSocketsApi()->WSACleanup();  // only after a successful SocketsStartup
  if (status != 0)
    ShowSocketsMessage("Windows Sockets error " + std::to_string(status) + " occurred in Cleanup.",
                       MB_ICONWARNING);
}

}  // namespace quorvane
