// The command-line mode's arguments, read without any system call: splitting the
// command line, the request each switch makes, and the usage text.
#pragma once

#include <string>
#include <vector>

namespace quorvane {

enum class CommandAction { None, Usage, Optimize, Backup, Restore, Export, List, Status, Invalid };

struct CommandRequest {
  CommandAction action = CommandAction::None;
  int modeIndex = -1;     // Optimize: the preset
  std::string file;       // Restore, Export: the backup as given
  std::string target;     // Export: the .reg file
  bool replace = false;   // Export: /y given, an existing .reg file may be replaced
  std::string error;      // Invalid: what was wrong
};

// Splits a Windows command line into arguments (quotes group, backslashes before a
// quote escape it), the program name included as the first.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Reads the arguments after the program name. No arguments: action None (the
// window starts). A first argument starting with / or - is a switch.
CommandRequest ParseCommandLine(const std::vector<std::string>& arguments);

// The usage text, one line per element.
std::vector<std::string> UsageLines();

}  // namespace quorvane
