#include <doctest.h>

#include <windows.h>

#include <string>

#include "system/Effects.h"
#include "system/SystemFolders.h"

using namespace quorvane;

TEST_CASE("the program starts others only by a full path, never by a name Windows would complete") {
  // From the system folder, every name below would find cmd.exe if it were taken.
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  const std::string system = SystemFolder();
  REQUIRE(SetCurrentDirectoryA(system.c_str()));
  struct Case {
    std::string application;
    bool started;
  } cases[] = {
      {system + "\\cmd.exe", true},
      {"cmd.exe", false},                        // the current folder
      {"..\\system32\\cmd.exe", false},          // relative to it
      {system.substr(2) + "\\cmd.exe", false},  // on the current drive
      {"", false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.application);
    CHECK(CurrentEffects().StartProgram(c.application, QuotedCommandLine(c.application, "/c exit"), SW_HIDE) ==
          c.started);
  }
  SetCurrentDirectoryA(previous);
}
