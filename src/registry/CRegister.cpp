#include "registry/CRegister.h"

namespace quorvane {

namespace {

const char* ValueNameFor(const std::string& key) { return key == "*" ? "" : key.c_str(); }

}  // namespace

std::string CRegister::TrimKeyPath(const std::string& path) {
  std::string trimmed = path;
  if (!trimmed.empty() && trimmed.front() == '\\') trimmed.erase(0, 1);
  if (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
  return trimmed;
}

bool CRegister::OpenForReading(HKEY root, const std::string& section, RegKey* key) {
  const std::string path = TrimKeyPath(section);
  LONG status = key->Open(root, path, KEY_ALL_ACCESS);
  if (status == ERROR_ACCESS_DENIED) status = key->Open(root, path, KEY_READ);
  return status == ERROR_SUCCESS;
}

bool CRegister::QueryValueData(HKEY key, const std::string& valueName, std::string* data, DWORD* type) {
  std::string found;
  DWORD foundType = 0;
  if (!QueryRawValue(key, valueName, &found, &foundType) || found.empty()) return false;
  *data = std::move(found);
  if (type) *type = foundType;
  return true;
}

bool CRegister::QueryRawValue(HKEY key, const std::string& valueName, std::string* data, DWORD* type) {
  return ReadRegistryValue(key, ValueNameFor(valueName), type, data) == ERROR_SUCCESS;
}

bool CRegister::ReadValueData(HKEY root, const std::string& section, const std::string& key,
                              std::string* data, DWORD* type) {
  RegKey handle;
  return OpenForReading(root, section, &handle) && QueryValueData(handle.get(), key, data, type);
}

std::string CRegister::REGGetSetting(HKEY root, const std::string& section, const std::string& key,
                                     const std::string& defaultText) {
  std::string data;
  if (!ReadValueData(root, section, key, &data)) return defaultText;
  data.pop_back();  // the terminator (size was at least 1)
  return data;
}

double LittleEndianNumber(const std::string& data) {
  double result = 0.0;
  double weight = 1.0;
  for (unsigned char byte : data) {
    result += byte * weight;
    weight *= 256.0;
  }
  return result;
}

double CRegister::myREGGetSetting(HKEY root, const std::string& section, const std::string& key) {
  std::string data;
  if (!ReadValueData(root, section, key, &data)) return 0.0;
  return LittleEndianNumber(data);
}

bool CRegister::REGSaveSetting(HKEY root, const std::string& section, const std::string& key,
                               const std::string& value) {
  RegKey handle;
  if (handle.Create(root, TrimKeyPath(section), KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
  return RegSetValueExA(handle.get(), ValueNameFor(key), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool CRegister::REGDeleteSetting(HKEY root, const std::string& section, const std::string& key) {
  RegKey handle;
  if (!key.empty()) {
    if (handle.Open(root, TrimKeyPath(section), KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
    return RegDeleteValueA(handle.get(), ValueNameFor(key)) == ERROR_SUCCESS;
  }
  if (handle.Open(root, "", KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
  return RegDeleteKeyA(handle.get(), section.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> CRegister::GetAllKeys(HKEY root, const std::string& path) {
  RegKey handle;
  if (handle.Open(root, path, KEY_ALL_ACCESS) != ERROR_SUCCESS) return {};
  return handle.Subkeys();
}

}  // namespace quorvane
