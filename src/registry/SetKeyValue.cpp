#include "registry/SetKeyValue.h"

#include "common/NumberText.h"
#include "registry/RegKey.h"

namespace quorvane {

namespace {

// Access of the writer's open: query, set, create subkey, enumerate, notify, link.
constexpr REGSAM kWriterAccess = 0x3F;

std::string AsText(const RegValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  return NumberToText(std::get<double>(value));
}

// The 32-bit number for REG_DWORD, or the status that explains why there is none.
LONG AsDword(const RegValue& value, DWORD* dword) {
  double number = 0.0;
  if (const auto* text = std::get_if<std::string>(&value)) {
    if (!ParseNumber(*text, &number)) return ERROR_INVALID_DATA;
  } else {
    number = std::get<double>(value);
  }
  auto converted = ToInt32(number);
  if (!converted) return ERROR_ARITHMETIC_OVERFLOW;
  *dword = static_cast<DWORD>(*converted);
  return ERROR_SUCCESS;
}

}  // namespace

LONG SetKeyValue(HKEY root, const std::string& keyPath, const std::string& valueName, DWORD type,
                 const RegValue& value, bool remove) {
  RegKey key;
  LONG status = key.Create(root, keyPath, kWriterAccess);
  if (status != ERROR_SUCCESS) return status;

  if (type != REG_SZ && type != REG_DWORD) return ERROR_SUCCESS;
  if (remove) return RegDeleteValueA(key.get(), valueName.c_str());

  if (type == REG_SZ) {
    std::string text = AsText(value);
    return RegSetValueExA(key.get(), valueName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
  }
  DWORD dword = 0;
  status = AsDword(value, &dword);
  if (status != ERROR_SUCCESS) return status;
  return RegSetValueExA(key.get(), valueName.c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&dword), sizeof dword);
}

LONG SetKeyValueData(HKEY root, const std::string& keyPath, const std::string& valueName, DWORD type,
                     const std::string& data) {
  RegKey key;
  LONG status = key.Create(root, keyPath, kWriterAccess);
  if (status != ERROR_SUCCESS) return status;
  return RegSetValueExA(key.get(), valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size()));
}

}  // namespace quorvane
