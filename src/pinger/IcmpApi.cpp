#include "pinger/IcmpApi.h"

#include "system/LazyLibrary.h"

namespace quorvane {

namespace {

IcmpApi* LoadIcmpApi() {
  static IcmpApi api;
  api.IcmpCreateFile = LibraryFunction<decltype(api.IcmpCreateFile)>("icmp.dll", "IcmpCreateFile");
  api.IcmpSendEcho = LibraryFunction<decltype(api.IcmpSendEcho)>("icmp.dll", "IcmpSendEcho");
  api.IcmpCloseHandle = LibraryFunction<decltype(api.IcmpCloseHandle)>("icmp.dll", "IcmpCloseHandle");
  return api.IcmpCreateFile && api.IcmpSendEcho && api.IcmpCloseHandle ? &api : nullptr;
}

}  // namespace

const IcmpApi* GetIcmpApi() {
  static const IcmpApi* api = LoadIcmpApi();
  return api;
}

}  // namespace quorvane
