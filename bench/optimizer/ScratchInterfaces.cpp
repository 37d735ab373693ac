#include "ScratchInterfaces.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "optimizer/RegistryLayout.h"
#include "registry/RegKey.h"

namespace quorvane::bench {

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

std::vector<std::string> Subkeys(HKEY root, const std::string& path) {
  std::vector<std::string> names;
  RegKey key;
  if (key.Open(root, path, KEY_READ) != ERROR_SUCCESS) return names;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    names.emplace_back(name, length);
  }
  return names;
}

}  // namespace

bool DeleteKeyTree(HKEY root, const std::string& path) {
  // Deepest first: NT refuses to delete a key that still has subkeys.
  for (const std::string& sub : Subkeys(root, path)) DeleteKeyTree(root, path + "\\" + sub);
  LONG status = RegDeleteKeyA(root, path.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool KeyExists(HKEY root, const std::string& path) {
  RegKey key;
  return key.Open(root, path, KEY_READ) == ERROR_SUCCESS;
}

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
