// An open registry key that closes itself.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace quorvane {

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

  void Close() {
    if (key_) RegCloseKey(std::exchange(key_, nullptr));
  }

  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace quorvane
