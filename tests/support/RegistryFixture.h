// Helpers for tests that work on Wine's real registry: a scratch key removed with
// everything below it, and direct reads that bypass the code under test.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "registry/RegKey.h"

namespace testing {

// Deletes a key and all its subkeys; true when it is gone afterwards.
inline bool DeleteKeyTree(HKEY root, const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return true;
  char name[256];
  for (;;) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (!DeleteKeyTree(key, name)) break;
  }
  RegCloseKey(key);
  return RegDeleteKeyA(root, path.c_str()) == ERROR_SUCCESS;
}

inline void DeleteValue(HKEY root, const std::string& path, const std::string& name) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name.c_str());
  RegCloseKey(key);
}

inline bool KeyExists(HKEY root, const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

struct RawValue {
  DWORD type = REG_NONE;
  std::string data;
};

inline std::optional<RawValue> ReadRaw(HKEY root, const std::string& path, const std::string& name) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  RawValue value;
  DWORD size = 0;
  LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
  if (status == ERROR_SUCCESS) {
    value.data.resize(size);
    status = RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                              reinterpret_cast<BYTE*>(value.data.data()), &size);
    value.data.resize(size);
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return value;
}

// The text of a REG_SZ value without its terminator; nothing when missing or not text.
inline std::optional<std::string> ReadText(HKEY root, const std::string& path, const std::string& name) {
  auto raw = ReadRaw(root, path, name);
  if (!raw || raw->type != REG_SZ) return std::nullopt;
  std::string text = raw->data;
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

// A REG_DWORD value; nothing when missing or of another type.
inline std::optional<DWORD> ReadDword(HKEY root, const std::string& path, const std::string& name) {
  auto raw = ReadRaw(root, path, name);
  if (!raw || raw->type != REG_DWORD || raw->data.size() != 4) return std::nullopt;
  DWORD value;
  memcpy(&value, raw->data.data(), 4);
  return value;
}

inline void WriteRaw(HKEY root, const std::string& path, const std::string& name, DWORD type,
                     const std::string& data) {
  HKEY key;
  RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                 static_cast<DWORD>(data.size()));
  RegCloseKey(key);
}

inline void WriteText(HKEY root, const std::string& path, const std::string& name, const std::string& text) {
  WriteRaw(root, path, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

inline void WriteDword(HKEY root, const std::string& path, const std::string& name, DWORD value) {
  WriteRaw(root, path, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4));
}

// Lists the direct subkeys, in the registry's order.
inline std::vector<std::string> Subkeys(HKEY root, const std::string& path) {
  quorvane::RegKey key;
  if (key.Open(root, path, KEY_READ) != ERROR_SUCCESS) return {};
  return key.Subkeys();
}

// A scratch key under HKEY_CURRENT_USER, empty at start and removed at the end.
class ScratchKey {
 public:
  explicit ScratchKey(std::string path) : path_(std::move(path)) { DeleteKeyTree(HKEY_CURRENT_USER, path_); }
  ~ScratchKey() { DeleteKeyTree(HKEY_CURRENT_USER, path_); }
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& sub) const { return path_ + "\\" + sub; }

 private:
  std::string path_;
};

}  // namespace testing

namespace testing {

// Gives the key a DACL that lets everyone read it and nobody write it, so an
// open with full access fails with ERROR_ACCESS_DENIED.
inline bool SetKeyDacl(HKEY root, const std::string& path, DWORD everyoneAccess) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) return false;
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  alignas(DWORD) BYTE aclBuffer[256];
  ACL* acl = reinterpret_cast<ACL*>(aclBuffer);
  InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION);
  AddAccessAllowedAce(acl, ACL_REVISION, everyoneAccess, everyone);
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
  LONG status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
  FreeSid(everyone);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

inline bool DenyWriteAccess(HKEY root, const std::string& path) {
  return SetKeyDacl(root, path, KEY_READ | WRITE_DAC | DELETE);
}

inline bool AllowAllAccess(HKEY root, const std::string& path) { return SetKeyDacl(root, path, KEY_ALL_ACCESS); }

}  // namespace testing
