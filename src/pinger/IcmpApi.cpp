#include "pinger/IcmpApi.h"

namespace quorvane {

namespace {

template <typename Function>
bool Lookup(HMODULE module, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return *function != nullptr;
}

IcmpApi* LoadIcmpApi() {
  static IcmpApi api;
  HMODULE module = LoadLibraryA("icmp.dll");
  if (!module) return nullptr;
  if (!Lookup(module, "IcmpCreateFile", &api.IcmpCreateFile) ||
      !Lookup(module, "IcmpSendEcho", &api.IcmpSendEcho) ||
      !Lookup(module, "IcmpCloseHandle", &api.IcmpCloseHandle)) {
    FreeLibrary(module);
    return nullptr;
  }
  return &api;  // the library stays loaded for the process's life
}

}  // namespace

const IcmpApi* GetIcmpApi() {
  static const IcmpApi* api = LoadIcmpApi();
  return api;
}

}  // namespace quorvane
