// The typed value writer: creates a key when needed and writes one value as text
// (REG_SZ) or as a 32-bit number (REG_DWORD), or deletes it.
#pragma once

#include <windows.h>

#include <string>
#include <variant>

namespace quorvane {

// What SetKeyValue is given to write: a text or a number.
using RegValue = std::variant<std::string, double>;

// Creates or opens root\keyPath (path and value name used unchanged), then:
//  type REG_SZ    - writes the value as text (a number as its decimal digits);
//  type REG_DWORD - writes the value rounded half to even to a signed 32-bit number;
//                   a text that is not a number or a number that does not fit writes
//                   nothing and returns ERROR_INVALID_DATA or ERROR_ARITHMETIC_OVERFLOW;
//  any other type - writes nothing and returns 0.
// With remove set the value is deleted instead of written. The key is created in
// every case. Returns the Windows status of the last registry call.
LONG SetKeyValue(HKEY root, const std::string& keyPath, const std::string& valueName, DWORD type,
                 const RegValue& value, bool remove);

// Creates or opens root\keyPath as above and writes the value with exactly this
// type and data, whatever the type (a restore giving back what was there).
LONG SetKeyValueData(HKEY root, const std::string& keyPath, const std::string& valueName, DWORD type,
                     const std::string& data);

}  // namespace quorvane
