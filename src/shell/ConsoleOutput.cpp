#include "shell/ConsoleOutput.h"

namespace quorvane {

namespace {

bool Usable(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// AttachConsole exists from Windows XP on; looked up so the program still loads on 9x.
bool AttachParentConsole() {
  using AttachConsoleFn = BOOL(WINAPI*)(DWORD);
  auto attach = reinterpret_cast<AttachConsoleFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "AttachConsole")));
  return attach && attach(static_cast<DWORD>(-1));  // ATTACH_PARENT_PROCESS
}

}  // namespace

ConsoleOutput::ConsoleOutput() {
  out_ = GetStdHandle(STD_OUTPUT_HANDLE);
  err_ = GetStdHandle(STD_ERROR_HANDLE);
  if (Usable(out_)) {
    if (!Usable(err_)) err_ = out_;
    return;
  }
  if (AttachParentConsole()) {
    HANDLE console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    if (Usable(console)) out_ = err_ = console;
  }
}

void ConsoleOutput::Write(HANDLE handle, const std::string& line) {
  if (!Usable(handle)) return;
  std::string text = line + "\r\n";
  DWORD written = 0;
  WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void ConsoleOutput::Print(const std::string& line) { Write(out_, line); }
void ConsoleOutput::PrintError(const std::string& line) { Write(err_, line); }

}  // namespace quorvane
