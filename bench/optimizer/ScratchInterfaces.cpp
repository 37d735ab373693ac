#include "ScratchInterfaces.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "optimizer/RegistryLayout.h"
#include "registry/RegKey.h"
#include "support/RegistryFixture.h"

namespace quorvane::bench {

using testing::DeleteKeyTree;
using testing::Subkeys;

namespace {

const char* const kServicesKey = "SYSTEM\\CurrentControlSet\\Services";

std::string BenchInterfaceName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "%s%04d", kBenchInterfacePrefix, number);
  return name;
}

bool IsBenchName(const std::string& name) {
  return name.rfind(kBenchInterfacePrefix, 0) == 0;
}

}  // namespace

bool SetBenchInterfaceCount(int count, std::string* error) {
  const std::string parent = AdapterParentKey(Layout::Nt);
  for (const std::string& name : Subkeys(HKEY_LOCAL_MACHINE, parent)) {
    if (!IsBenchName(name)) continue;
    int number = std::atoi(name.c_str() + std::string(kBenchInterfacePrefix).size());
    if (number > count) DeleteKeyTree(HKEY_LOCAL_MACHINE, parent + "\\" + name);
  }
  for (int number = 1; number <= count; ++number) {
    RegKey key;
    LONG status = key.Create(HKEY_LOCAL_MACHINE, parent + "\\" + BenchInterfaceName(number), KEY_WRITE);
    if (status != ERROR_SUCCESS) {
      *error = "cannot create interface " + BenchInterfaceName(number) + " (status " +
               std::to_string(status) + ")";
      return false;
    }
  }
  return true;
}

void RemoveBenchInterfaces() {
  const std::string parent = AdapterParentKey(Layout::Nt);
  for (const std::string& name : Subkeys(HKEY_LOCAL_MACHINE, parent))
    if (IsBenchName(name)) DeleteKeyTree(HKEY_LOCAL_MACHINE, parent + "\\" + name);
  for (const std::string& name : Subkeys(HKEY_LOCAL_MACHINE, kServicesKey))
    if (IsBenchName(name)) DeleteKeyTree(HKEY_LOCAL_MACHINE, std::string(kServicesKey) + "\\" + name);
}

}  // namespace quorvane::bench
