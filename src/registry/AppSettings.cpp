#include "registry/AppSettings.h"

#include "registry/RegKey.h"

namespace quorvane {

LONG WriteStringValue(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HKEY raw = nullptr;
  const LONG created = RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                       &inheritable, &raw, nullptr);
  if (created != ERROR_SUCCESS) return created;
  RegKey handle(raw);
  return RegSetValueExA(handle.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
}

LONG WriteStringValue(HKEY root, const std::string& key, const std::string& name, long long value) {
  return WriteStringValue(root, key, name, std::to_string(value));
}

std::string ReadStringValue(HKEY root, const std::string& key, const std::string& name,
                            const std::string& defaultValue) {
  RegKey handle;
  if (handle.Open(root, key, KEY_READ) != ERROR_SUCCESS) return defaultValue;
  // Read into 255 bytes: a longer value counts as missing.
  DWORD type = REG_NONE;
  std::string data;
  if (handle.ReadValue(name, &type, &data) != ERROR_SUCCESS || data.size() > 255) return defaultValue;
  if (data.empty()) return std::string();
  data.pop_back();  // the text without its terminator
  return data;
}

LONG SaveAppSetting(const std::string& key, const std::string& name, const std::string& value) {
  return WriteStringValue(HKEY_LOCAL_MACHINE, key, name, value);
}

LONG SaveAppSetting(const std::string& key, const std::string& name, long long value) {
  return WriteStringValue(HKEY_LOCAL_MACHINE, key, name, value);
}

std::string GetAppSetting(const std::string& key, const std::string& name,
                          const std::string& defaultValue) {
  return ReadStringValue(HKEY_LOCAL_MACHINE, key, name, defaultValue);
}

}  // namespace quorvane
