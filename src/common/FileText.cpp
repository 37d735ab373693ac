#include "common/FileText.h"

#include <windows.h>

#include "common/SystemError.h"
#include "common/UniqueHandle.h"

namespace quorvane {

bool ReadFileText(const std::string& path, std::string* text, std::string* error, size_t maxBytes) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    *error = "The file " + path + " cannot be opened: " + SystemErrorText(GetLastError());
    return false;
  }
  text->clear();
  char buffer[16384];
  DWORD got = 0;
  while (text->size() < maxBytes) {
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
      // A failed read is not the end of the file: what came before is not the whole.
      *error = "The file " + path + " could not be read to its end: " + SystemErrorText(GetLastError());
      text->clear();
      return false;
    }
    if (got == 0) break;
    text->append(buffer, got);
  }
  if (text->size() > maxBytes) text->resize(maxBytes);
  return true;
}

}  // namespace quorvane
