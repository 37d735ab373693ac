// Quorvane's entry point: the main window, or the command-line mode when a
// switch is given.
#include <windows.h>

#include "optimizer/TcpSettings.h"
#include "shell/CommandLine.h"
#include "shell/ConsoleOutput.h"
#include "shell/ProgramParts.h"
#include "shell/SingleInstance.h"
#include "shell/frmMain.h"
#include "system/mdlOSVersion.h"
#include "ui/MessageLoop.h"

namespace {

int RunCommandLineMode(const quorvane::CommandRequest& request) {
  using namespace quorvane;
  // Only the start-up steps the command needs: which Windows, and the presets.
  detectOperatingSystem();
  InitModePresets();
  ConsoleOutput console;
  return RunCommand(request, console);
}

int RunWindowed() {
  using namespace quorvane;
  // A second start of the window only brings the running copy back.
  static RunningCopy runningCopy;
  if (!runningCopy.Claim()) return 0;
  // Creating the main window starts everything; unloading it ends the process.
  static frmMain main;
  SetMainWindow(&main);
  InstallProgramParts(main);
  main.Load();
  if (!main.StartedInTray()) main.Show();
  runningCopy.Answer([] { return MainWindow().ComeBackToFront(); });
  return RunMessageLoop();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace quorvane;
  MarkRunning();  // in either mode the program's file is in use
  std::vector<std::string> arguments = SplitCommandLine(GetCommandLineA());
  if (!arguments.empty()) arguments.erase(arguments.begin());  // the program itself
  CommandRequest request = ParseCommandLine(arguments);
  return request.action == CommandAction::None ? RunWindowed() : RunCommandLineMode(request);
}
