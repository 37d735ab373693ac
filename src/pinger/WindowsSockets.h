// Starting and cleaning up Windows Sockets 1.1 around each ping, with the
// standard messages a user sees when the sockets layer is not usable.
#pragma once

#include <winsock.h>

#include <cstdint>

namespace quorvane {

inline constexpr uint16_t kRequestedSocketsVersion = 0x0101;  // 1.1
inline constexpr int kMinimumSockets = 1;

// The functions of Windows Sockets 1.1 (wsock32.dll) the pinger calls, loaded at
// the first ping or lookup; nullptr when the library or one of them is missing.
struct SocketsApi {
  int(WINAPI* WSAStartup)(WORD version, LPWSADATA data);
  int(WINAPI* WSACleanup)();
  hostent*(WINAPI* gethostbyname)(const char* name);
};
const SocketsApi* GetSocketsApi();

// WSAStartup for version 1.1 and the checks of what it answered. False (after
// a message) when Windows Sockets is not usable; a started layer is cleaned up
// again before returning false. Every true needs one SocketsCleanup.
bool SocketsStartup();

// WSACleanup; a failure is reported with a message.
void SocketsCleanup();

// The checks of SocketsStartup on what WSAStartup returned: its status, the
// version it agreed to (low byte major, high byte minor) and the number of
// sockets it offers. Shows the message for the first problem found.
bool AcceptSocketsStartup(int startupStatus, uint16_t version, int maxSockets);

}  // namespace quorvane
