// Quorvane's entry point: the command-line mode when a switch is given.
#include <windows.h>

#include "optimizer/TcpSettings.h"
#include "shell/CommandLine.h"
#include "shell/ConsoleOutput.h"
#include "shell/mdlOSVersion.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace quorvane;
  std::vector<std::string> arguments = SplitCommandLine(GetCommandLineA());
  if (!arguments.empty()) arguments.erase(arguments.begin());  // the program itself

  CommandRequest request = ParseCommandLine(arguments);
  if (request.action == CommandAction::None) request.action = CommandAction::Usage;

  // Only the start-up steps the command needs: which Windows, and the presets.
  detectOperatingSystem();
  InitModePresets();
  ConsoleOutput console;
  return RunCommand(request, console);
}
