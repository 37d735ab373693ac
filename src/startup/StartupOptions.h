// The start-up options as saved, and what they ask of each start of the
// program: Windows told again to start it at logon, so a program moved to
// another folder keeps starting, and whether it starts hidden in the tray.
// Runs at start-up without the options window, which is made only when shown.
#pragma once

#include <string>

namespace quorvane {

class StartupOptions {
 public:
  // Reads the saved options; with the start at logon on, brings it up to date.
  void Start();
  // "Run Program In system tray", as saved when the program started.
  bool RunsInTray() const { return runsInTray_; }
  // What a person is told when the start at logon could not be brought up to
  // date ("Windows could not be told to start Quorvane: ..."), or empty.
  const std::string& LogonProblem() const { return logonProblem_; }

 private:
  bool runsInTray_ = false;
  std::string logonProblem_;
};

}  // namespace quorvane
