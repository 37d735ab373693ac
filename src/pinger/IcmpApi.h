// The ICMP echo functions of icmp.dll, looked up at run time: every Windows the
// program runs on has icmp.dll, while iphlpapi only exports them from XP on.
#pragma once

#include <windows.h>

namespace quorvane {

struct IcmpApi {
  HANDLE(WINAPI* IcmpCreateFile)();
  DWORD(WINAPI* IcmpSendEcho)(HANDLE icmp, ULONG destination, LPVOID requestData, WORD requestSize,
                          LPVOID requestOptions, LPVOID replyBuffer, DWORD replySize, DWORD timeout);
  BOOL(WINAPI* IcmpCloseHandle)(HANDLE icmp);
};

// The functions, loaded once and kept for the process; nullptr when icmp.dll or
// one of them is missing.
const IcmpApi* GetIcmpApi();

}  // namespace quorvane
