// The one seam for what a test must neither do for real nor wait on: ending the
// process, restarting Windows, starting another program, opening a document
// through the shell, running a system tool, the standard message box and sounds. The program uses the
// Win32 implementation; tests install one that records each call and answers.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane {

// How a program run to its end went: started, else the system's error; its exit
// code and what it wrote to its output and error streams.
struct ProgramRun {
  bool started = false;
  unsigned long error = 0;
  unsigned long exitCode = 0;
  std::string output;
};

class Effects {
 public:
  virtual ~Effects() = default;

  // Ends the process with the code (the program's End).
  virtual void EndProcess(UINT exitCode) = 0;

  // ExitWindowsEx with the flags and reason; true when Windows accepted the request.
  virtual bool RestartWindows(UINT flags, DWORD reason = 0) = 0;

  // Starts the program at `application`, a full path (anything else is refused),
  // with the whole command line (QuotedCommandLine) and a ShowWindow style (e.g.
  // SW_SHOW = 5), in the program's own folder; nothing is looked up by name.
  virtual bool StartProgram(const std::string& application, const std::string& commandLine,
                            int showCommand) = 0;

  // ShellExecute: opens a document or address with its associated program. An empty
  // verb is the default verb; empty parameters and directory pass nothing.
  virtual bool ShellOpen(HWND owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory, int showCommand) = 0;

  // The standard system message box; returns the pressed button (IDYES, IDOK, ...).
  virtual int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                             UINT style) = 0;

  // The standard save dialog: the title, a filter ("Registration files (*.reg)|*.reg"),
  // the extension added when none is typed, and the suggested name; true with the
  // chosen path, false when cancelled. It asks before replacing a file.
  virtual bool ChooseSaveFile(HWND owner, const std::string& title, const std::string& filter,
                              const std::string& defaultExtension, std::string* path) = 0;

  // Plays a WAV file asynchronously by file name.
  virtual void PlaySoundFile(const std::string& path) = 0;

  // Runs a console program given by its full path, without a window, and waits for
  // it to end (system tools such as schtasks.exe).
  virtual ProgramRun RunProgram(const std::string& programPath, const std::string& arguments) = 0;
};

// The command line for a program: its full path in quotes, then the arguments.
std::string QuotedCommandLine(const std::string& application, const std::string& arguments);

// The effects in force: the Win32 ones unless a test installed others.
Effects& CurrentEffects();

// Installs effects for tests; nullptr goes back to the Win32 ones.
void SetEffects(Effects* effects);

}  // namespace quorvane
