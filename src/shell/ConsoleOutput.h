// Console output for the command-line mode of a windowed program: the standard
// handles when the starter gave some (a terminal under Wine, a redirection),
// otherwise the console of the parent process when the system can attach to it.
#pragma once

#include <windows.h>

#include "shell/CommandLine.h"

namespace quorvane {

class ConsoleOutput : public CommandOutput {
 public:
  ConsoleOutput();
  void Print(const std::string& line) override;
  void PrintError(const std::string& line) override;

 private:
  static void Write(HANDLE handle, const std::string& line);
  HANDLE out_ = nullptr;
  HANDLE err_ = nullptr;
};

}  // namespace quorvane
