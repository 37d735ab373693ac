// The program's own settings: text values under HKEY_LOCAL_MACHINE
// "SOFTWARE\Kestavo\Quorvane", one section per window, one value per control.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane {

inline constexpr const char* kAppKey = "SOFTWARE\\Kestavo\\Quorvane";
inline constexpr const char* kNetPingerSection = "SOFTWARE\\Kestavo\\Quorvane\\Settings\\NetPinger";
inline constexpr const char* kRamSettingsSection = "SOFTWARE\\Kestavo\\Quorvane\\Settings\\RamSettings";
inline constexpr const char* kMainSettingsSection = "SOFTWARE\\Kestavo\\Quorvane\\Settings\\MainSettings";

// Writes the text as REG_SZ, creating missing keys on the way. Returns the
// system's status (ERROR_SUCCESS), which most callers may ignore.
LONG WriteStringValue(HKEY root, const std::string& key, const std::string& name, const std::string& value);
LONG WriteStringValue(HKEY root, const std::string& key, const std::string& name, long long value);

// The stored text (at most 254 characters), or the default when the key or value is
// missing or its data are longer than 255 bytes.
std::string ReadStringValue(HKEY root, const std::string& key, const std::string& name,
                            const std::string& defaultValue);

// The two above on HKEY_LOCAL_MACHINE: what every window uses.
LONG SaveAppSetting(const std::string& key, const std::string& name, const std::string& value);
LONG SaveAppSetting(const std::string& key, const std::string& name, long long value);
std::string GetAppSetting(const std::string& key, const std::string& name,
                          const std::string& defaultValue);

}  // namespace quorvane
