#include <doctest.h>

#include <windows.h>

#include <string>

#include "system/Effects.h"
#include "system/SystemFolders.h"

using namespace quorvane;

TEST_CASE("the program starts others only by a full path, never by a name Windows would look for") {
  const std::string cmd = SystemFolder() + "\\cmd.exe";
  struct Case {
    std::string application;
    bool started;
  } cases[] = {
      {cmd, true},
      {"cmd.exe", false},          // beside the program, the current folder, the search path
      {"system32\\cmd.exe", false},  // relative to the current folder
      {"\\windows\\system32\\cmd.exe", false},  // the current drive
      {"", false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.application);
    CHECK(CurrentEffects().StartProgram(c.application, QuotedCommandLine(c.application, "/c exit"), SW_HIDE) ==
          c.started);
  }
}
