#include "common/FileText.h"

#include <windows.h>

#include "common/SystemError.h"

namespace quorvane {

bool ReadFileText(const std::string& path, std::string* text, std::string* error, size_t maxBytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    *error = "The file " + path + " cannot be opened: " + SystemErrorText(GetLastError());
    return false;
  }
  text->clear();
  char buffer[16384];
  DWORD got = 0;
  while (text->size() < maxBytes && ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    text->append(buffer, got);
  CloseHandle(file);
  if (text->size() > maxBytes) text->resize(maxBytes);
  return true;
}

}  // namespace quorvane
