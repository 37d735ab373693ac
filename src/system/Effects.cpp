#include "system/Effects.h"

#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <cctype>

#include "common/UniqueHandle.h"
#include "system/LazyLibrary.h"

namespace quorvane {

namespace {

// "C:\..." or "\\server\share\...": never a name Windows would look for.
bool IsFullPath(const std::string& path) {
  const bool drive = path.size() > 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
                     path[2] == '\\';
  const bool network = path.size() > 2 && path[0] == '\\' && path[1] == '\\';
  return drive || network;
}

class Win32Effects : public Effects {
 public:
  void EndProcess(UINT exitCode) override { ExitProcess(exitCode); }

  bool RestartWindows(UINT flags, DWORD reason) override { return ExitWindowsEx(flags, reason) != FALSE; }

  bool StartProgram(const std::string& application, const std::string& commandLine, int showCommand) override {
    if (!IsFullPath(application)) return false;
    const std::string folder = application.substr(0, application.find_last_of('\\') + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    std::string mutableLine = commandLine;  // CreateProcess may write into it
    if (!CreateProcessA(application.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
      return false;
    KernelHandle thread(process.hThread);
    KernelHandle started(process.hProcess);
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

  bool ChooseSaveFile(HWND owner, const std::string& title, const std::string& filter,
                      const std::string& defaultExtension, std::string* path) override {
    std::string filters = filter;  // "a|b|c|d" to "a\0b\0c\0d\0\0"
    for (char& c : filters)
      if (c == '|') c = '\0';
    filters.append(2, '\0');
    char chosen[MAX_PATH] = {};
    path->copy(chosen, sizeof chosen - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = sizeof chosen;
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = defaultExtension.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    static const auto save = LibraryFunction<BOOL(WINAPI*)(OPENFILENAMEA*)>("comdlg32.dll", "GetSaveFileNameA");
    if (!save || !save(&dialog)) return false;
    *path = chosen;
    return true;
  }

  void PlaySoundFile(const std::string& path) override {
    static const auto play = LibraryFunction<BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD)>("winmm.dll", "PlaySoundA");
    if (play) play(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
  }

  ProgramRun RunProgram(const std::string& programPath, const std::string& arguments) override {
    ProgramRun run;
    HANDLE readEnd = nullptr, ownWriteEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &ownWriteEnd, nullptr, 0)) {
      run.error = GetLastError();
      return run;
    }
    KernelHandle reader(readEnd), ownWriter(ownWriteEnd);
    // Only the child's end is inherited (DuplicateHandle: SetHandleInformation is not on the 95 family).
    if (!DuplicateHandle(GetCurrentProcess(), ownWriteEnd, GetCurrentProcess(), &writeEnd, 0, TRUE,
                         DUPLICATE_SAME_ACCESS)) {
      run.error = GetLastError();
      return run;
    }
    ownWriter.reset();
    KernelHandle writer(writeEnd);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + programPath + "\" " + arguments;
    // The program by its full path: never one found by searching the folders.
    if (!CreateProcessA(programPath.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
      run.error = GetLastError();
      return run;
    }
    run.started = true;
    KernelHandle thread(process.hThread), started(process.hProcess);
    writer.reset();  // the child's end alone keeps the pipe open, so reading ends with it
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(reader.get(), buffer, sizeof buffer, &got, nullptr) && got) run.output.append(buffer, got);
    WaitForSingleObject(started.get(), INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(started.get(), &code);
    run.exitCode = code;
    // Console programs write in the OEM code page.
    if (!run.output.empty()) OemToCharBuffA(run.output.data(), run.output.data(), static_cast<DWORD>(run.output.size()));
    return run;
  }
};

Effects* g_installed = nullptr;

}  // namespace

Effects& CurrentEffects() {
  static Win32Effects win32;
  return g_installed ? *g_installed : win32;
}

void SetEffects(Effects* effects) { g_installed = effects; }

std::string QuotedCommandLine(const std::string& application, const std::string& arguments) {
  std::string line = "\"" + application + "\"";
  if (!arguments.empty()) line += " " + arguments;
  return line;
}

}  // namespace quorvane
