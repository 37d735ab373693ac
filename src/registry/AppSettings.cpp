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
  char buffer[255];
  DWORD size = sizeof buffer;
  if (RegQueryValueExA(handle.get(), name.c_str(), nullptr, nullptr,
                       reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
    return defaultValue;
  if (size == 0) return std::string();
  return std::string(buffer, size - 1);  // the text without its terminator
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
