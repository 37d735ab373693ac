#include "optimizer/BackupExport.h"

#include <cstdio>

namespace quorvane {

namespace {

constexpr uint32_t kText = 1, kBinary = 3, kNumber = 4;  // REG_SZ, REG_BINARY, REG_DWORD

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string Dword(uint32_t bits) {
  char text[16];
  std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(bits));
  return text;
}

std::string Hex(const TypedValue& value) {
  std::string text = value.type == kBinary ? "hex:" : "hex(" + std::to_string(value.type) + "):";
  char byte[4];
  for (size_t i = 0; i < value.data.size(); ++i) {
    std::snprintf(byte, sizeof byte, i ? ",%02x" : "%02x", static_cast<unsigned char>(value.data[i]));
    text += byte;
  }
  return text;
}

// A text regedit can carry in quotes: one terminator at the end, no other NUL,
// and no line break.
bool IsPlainText(const std::string& data) {
  return !data.empty() && data.back() == '\0' &&
         data.find_first_of(std::string("\0\r\n", 3)) == data.size() - 1;
}

std::string ValueData(const RestoreWrite& write, Layout layout) {
  if (write.value) {
    if (layout == Layout::Win9x) return Quoted(std::to_string(*write.value));
    return Dword(static_cast<uint32_t>(*write.value));
  }
  if (!write.typed) return "-";
  const TypedValue& typed = *write.typed;
  if (typed.type == kText && IsPlainText(typed.data)) return Quoted(typed.data.substr(0, typed.data.size() - 1));
  if (typed.type == kNumber && typed.data.size() == 4) return Dword(DwordBits(typed.data));
  return Hex(typed);
}

}  // namespace

std::string RegeditExportText(const RestorePlan& plan) {
  std::string text = "REGEDIT4\r\n";
  const RestoreWrite* previous = nullptr;
  for (const RestoreWrite& write : plan.writes) {
    if (!previous || previous->root != write.root || previous->key != write.key)
      text += std::string("\r\n[") + (write.root == RegRoot::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE") +
              "\\" + write.key + "]\r\n";
    text += (write.valueName.empty() ? std::string("@") : Quoted(write.valueName)) + "=" +
            ValueData(write, plan.layout) + "\r\n";
    previous = &write;
  }
  return text + "\r\n";
}

}  // namespace quorvane
