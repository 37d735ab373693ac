// Puts the TCP/IP keys of the test prefix into a known state, and takes snapshots
// of every value the optimizer touches so a test can compare before and after.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "optimizer/RegRootKey.h"
#include "optimizer/RegistryLayout.h"
#include "support/RegistryFixture.h"

namespace testing {

using quorvane::Layout;
using quorvane::RegRoot;

// One value as the registry holds it; nothing when it does not exist.
using Snapshot = std::map<std::tuple<RegRoot, std::string, std::string>, std::optional<RawValue>>;

inline bool operator==(const RawValue& a, const RawValue& b) { return a.type == b.type && a.data == b.data; }

class TcpipRegistry {
 public:
  // Removes every value either layout writes and every adapter and interface.
  TcpipRegistry() { Clear(); }
  ~TcpipRegistry() { Clear(); }

  void Clear() {
    for (Layout layout : {Layout::Win9x, Layout::Nt}) {
      for (const std::string& adapter : Subkeys(HKEY_LOCAL_MACHINE, quorvane::AdapterParentKey(layout))) {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, std::string(quorvane::AdapterParentKey(layout)) + "\\" + adapter);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\" + adapter + "\\Parameters\\Tcpip");
      }
      for (const auto& record : quorvane::PlanBackupRecords(layout, {})) {
        HKEY key;
        if (RegOpenKeyExA(quorvane::ToHkey(record.root), record.key.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
          continue;
        for (const std::string& name : record.valueNames) RegDeleteValueA(key, name.c_str());
        RegCloseKey(key);
      }
    }
  }

  // Creates the adapter (9x) or interface (NT) keys, in this order.
  void SetAdapters(Layout layout, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      HKEY key;
      std::string path = std::string(quorvane::AdapterParentKey(layout)) + "\\" + name;
      RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
      RegCloseKey(key);
    }
  }

  // Every value the layout's backup records, with the adapters present now.
  static Snapshot Take(Layout layout) {
    Snapshot snapshot;
    auto adapters = Subkeys(HKEY_LOCAL_MACHINE, quorvane::AdapterParentKey(layout));
    for (const auto& record : quorvane::PlanBackupRecords(layout, adapters))
      for (const std::string& name : record.valueNames)
        snapshot[{record.root, record.key, name}] = ReadRaw(quorvane::ToHkey(record.root), record.key, name);
    return snapshot;
  }
};

// The lines of a file, without their CR LF ends; also checks every line ends in CR LF.
inline std::vector<std::string> FileLines(const std::string& path, bool* allCrLf = nullptr) {
  std::vector<std::string> lines;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return lines;
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) text.append(buffer, got);
  CloseHandle(file);
  bool crlf = true;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      crlf = false;
      lines.push_back(text.substr(start));
      break;
    }
    if (end == start || text[end - 1] != '\r') crlf = false;
    lines.push_back(text.substr(start, end - start - (end > start && text[end - 1] == '\r' ? 1 : 0)));
    start = end + 1;
  }
  if (allCrLf) *allCrLf = crlf;
  return lines;
}

// A fresh, empty folder under the system's temporary folder.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "QuorvaneTests-" + name;
    Remove();
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() { Remove(); }
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

  std::vector<std::string> Files() const { return ListFiles(path_); }

  static std::vector<std::string> ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }

  void Touch(const std::string& name, const std::string& content = "") const {
    HANDLE file = CreateFileA((*this / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
  }

 private:
  void Remove() { RemoveTree(path_); }

  static void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(path);
        } else {
          SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileA(path.c_str());
        }
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }
  std::string path_;
};

}  // namespace testing
