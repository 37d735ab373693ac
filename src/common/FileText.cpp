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

FileRead ReadBoundedFileText(const std::string& path, size_t maxBytes, std::string* text, std::string* error) {
  if (!ReadFileText(path, text, error, maxBytes + 1)) return FileRead::Failed;
  if (text->size() <= maxBytes) return FileRead::Read;
  text->clear();
  *error = "The file " + path + " is damaged: it is larger than " + std::to_string(maxBytes / 1024) +
           " KB, and no such file is ever that large.";
  return FileRead::TooLarge;
}

bool WriteNewFileText(const std::string& path, const std::string& text, std::string* error) {
  // CREATE_NEW already fails on a link in the path's place; NT is also told not
  // to follow one. The 95 family has no reparse points and is not told.
  const DWORD noFollow = (GetVersion() & 0x80000000u) ? 0 : FILE_FLAG_OPEN_REPARSE_POINT;
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL | noFollow,
                              nullptr));
  if (!file) {
    const DWORD status = GetLastError();
    *error = "The file " + path + " cannot be created: " + SystemErrorText(status);
    SetLastError(status);  // the caller tells an existing file from other failures
    return false;
  }
  // A device name the caller did not catch opens the device: write nothing to it.
  if (GetFileType(file.get()) != FILE_TYPE_DISK) {
    *error = "The file " + path + " cannot be created: it names a device, not a file.";
    return false;
  }
  DWORD written = 0;
  // Not flushed: the registry writes a backup guards are not flushed either, so
  // forcing the file to disk first would buy nothing after a crash.
  if (!WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
      written != text.size()) {
    *error = "The file " + path + " cannot be written: " + SystemErrorText(GetLastError());
    file.reset();
    DeleteFileA(path.c_str());
    return false;
  }
  return true;
}

}  // namespace quorvane
