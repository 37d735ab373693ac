#include "system/Effects.h"

#include <mmsystem.h>
#include <shellapi.h>

namespace quorvane {

namespace {

class Win32Effects : public Effects {
 public:
  void EndProcess(UINT exitCode) override { ExitProcess(exitCode); }

  bool RestartWindows(UINT flags, DWORD reason) override { return ExitWindowsEx(flags, reason) != FALSE; }

  bool StartProgram(const std::string& commandLine, int showCommand) override {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    std::string mutableLine = commandLine;  // CreateProcess may write into it
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
      return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
  }

  bool ShellOpen(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& directory, int showCommand) override {
    auto orNull = [](const std::string& text) { return text.empty() ? nullptr : text.c_str(); };
    auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(owner, orNull(verb), file.c_str(), orNull(parameters),
                                                          orNull(directory), showCommand));
    return result > 32;
  }

  int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style) override {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
  }

  void PlaySoundFile(const std::string& path) override {
    PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
  }
};

Effects* g_installed = nullptr;

}  // namespace

Effects& CurrentEffects() {
  static Win32Effects win32;
  return g_installed ? *g_installed : win32;
}

void SetEffects(Effects* effects) { g_installed = effects; }

}  // namespace quorvane
