// Stateless reads, writes, deletions and listings of registry entries given a
// root key, a key path ("section") and a value name ("key"). In every operation
// but SetKeyValue a value name of "*" stands for the key's default value.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "registry/RegKey.h"

namespace quorvane {

class CRegister {
 public:
  // Non-empty key: deletes that value. Empty key: deletes the subkey named by the
  // section (untrimmed) below the root. True when the deletion succeeded.
  bool REGDeleteSetting(HKEY root, const std::string& section, const std::string& key);

  // The value as text without its terminator, or the default.
  std::string REGGetSetting(HKEY root, const std::string& section, const std::string& key,
                            const std::string& defaultText);

  // Writes the text as REG_SZ, creating the key. True when the write succeeded.
  bool REGSaveSetting(HKEY root, const std::string& section, const std::string& key,
                      const std::string& value);

  // Names of the direct subkeys of root\path (path untrimmed), in index order.
  std::vector<std::string> GetAllKeys(HKEY root, const std::string& path);

  // The value's bytes read as an unsigned little-endian number of any length,
  // in double precision; 0 when missing.
  double myREGGetSetting(HKEY root, const std::string& section, const std::string& key);

  // Raw data of a value, terminator included; false when missing, empty or
  // unreadable. Shared by both reads above; also lets callers tell "missing" from "0".
  bool ReadValueData(HKEY root, const std::string& section, const std::string& key,
                     std::string* data, DWORD* type = nullptr);

  // The two halves of ReadValueData, for callers that read many values of one key:
  // open root\section (trimmed) with full access, or read access when that is
  // denied; then query values of the open key.
  bool OpenForReading(HKEY root, const std::string& section, RegKey* key);
  static bool QueryValueData(HKEY key, const std::string& valueName, std::string* data, DWORD* type = nullptr);
  // The same, but a value with empty data is found (true, data empty): only a
  // missing value gives false.
  static bool QueryRawValue(HKEY key, const std::string& valueName, std::string* data, DWORD* type);

 private:
  static std::string TrimKeyPath(const std::string& path);
};

// The bytes of a value read as an unsigned little-endian number, as above.
double LittleEndianNumber(const std::string& data);

}  // namespace quorvane
