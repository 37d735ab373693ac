// An open registry key that closes itself.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace quorvane {

// A value's type and data, whatever their size ("" is the key's default value);
// returns the Windows status.
inline LONG ReadRegistryValue(HKEY key, const std::string& name, DWORD* type, std::string* data) {
  // Most values fit a small buffer; a larger one is asked for again at its size.
  char small[64];
  DWORD size = sizeof small;
  LONG status = RegQueryValueExA(key, name.c_str(), nullptr, type, reinterpret_cast<BYTE*>(small), &size);
  if (status == ERROR_MORE_DATA) {
    data->resize(size);
    status = RegQueryValueExA(key, name.c_str(), nullptr, type, reinterpret_cast<BYTE*>(data->data()), &size);
    data->resize(status == ERROR_SUCCESS ? size : 0);
  } else {
    data->assign(small, status == ERROR_SUCCESS ? size : 0);
  }
  return status;
}

class RegKey {
 public:
  RegKey() = default;
  explicit RegKey(HKEY key) : key_(key) {}
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  RegKey(RegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegKey& operator=(RegKey&& other) noexcept {
    if (this != &other) {
      Close();
      key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
  }
  ~RegKey() { Close(); }

  // RegOpenKeyExA; returns the Windows status.
  LONG Open(HKEY root, const std::string& path, REGSAM access) {
    Close();
    return RegOpenKeyExA(root, path.c_str(), 0, access, &key_);
  }

  // RegCreateKeyExA with no class, default options and security.
  LONG Create(HKEY root, const std::string& path, REGSAM access) {
    Close();
    return RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                           nullptr, &key_, nullptr);
  }

  // The names of the key's subkeys. A name too long for any key path is passed
  // over; any other failure (the key went away) ends the list.
  std::vector<std::string> Subkeys() const {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
      char name[256];
      DWORD length = sizeof name;
      const LONG status = RegEnumKeyExA(key_, index, name, &length, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_MORE_DATA) continue;
      if (status != ERROR_SUCCESS) break;
      names.emplace_back(name, length);
    }
    return names;
  }

  LONG ReadValue(const std::string& name, DWORD* type, std::string* data) const {
    return ReadRegistryValue(key_, name, type, data);
  }

  void Close() {
    if (key_) RegCloseKey(std::exchange(key_, nullptr));
  }

  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace quorvane
