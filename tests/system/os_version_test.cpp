#include <doctest.h>

#include <windows.h>

#include "system/OsFamily.h"
#include "system/WindowsRelease.h"
#include "system/mdlOSVersion.h"

using namespace quorvane;

TEST_CASE("Windows versions are classified by platform, major and minor version") {
  struct Case {
    unsigned long platform, major, minor;
    int expected;
  };
  const Case cases[] = {
      {kPlatformWindows, 4, 0, kWindows95},   {kPlatformWindows, 4, 10, kWindows98},
      {kPlatformWindows, 4, 90, kWindowsMe},  {kPlatformWindows, 4, 3, kWindowsUnknown},
      // the 9x family is told apart by the minor version alone
      {kPlatformWindows, 7, 10, kWindows98},  {kPlatformWindows, 0, 90, kWindowsMe},
      {kPlatformNt, 3, 51, kWindowsNt},       {kPlatformNt, 4, 0, kWindowsNt},
      {kPlatformNt, 5, 0, kWindows2000},      {kPlatformNt, 5, 1, kWindowsXp},
      {kPlatformNt, 5, 2, kWindowsNt52OrLater}, {kPlatformNt, 6, 0, kWindowsNt52OrLater},
      {kPlatformNt, 6, 1, kWindowsNt52OrLater}, {kPlatformNt, 10, 0, kWindowsNt52OrLater},
      {kPlatformWin32s, 3, 11, kWindowsUnknown}, {3, 5, 1, kWindowsUnknown},
  };
  for (const Case& c : cases) {
    CAPTURE(c.platform);
    CAPTURE(c.major);
    CAPTURE(c.minor);
    CHECK(ClassifyWindowsVersion(c.platform, c.major, c.minor) == c.expected);
  }
}

TEST_CASE("OSVersionId and OSName follow the classification") {
  CHECK(std::string(OSNameFor(1)) == "Windows 32");
  CHECK(std::string(OSNameFor(2)) == "Windows 95");
  CHECK(std::string(OSNameFor(3)) == "Windows 98");
  CHECK(std::string(OSNameFor(4)) == "Windows ME");
  CHECK(std::string(OSNameFor(5)) == "Windows NT");
  CHECK(std::string(OSNameFor(6)) == "Windows 2000");
  CHECK(std::string(OSNameFor(7)) == "Windows XP");
  CHECK(std::string(OSNameFor(8)) == "Windows NT 5.2 or later");
  CHECK(std::string(OSNameFor(0)).empty());
  CHECK(std::string(OSNameFor(9)).empty());

  CHECK(IsWin9xFamily(1));
  CHECK(IsWin9xFamily(4));
  CHECK_FALSE(IsWin9xFamily(5));
  CHECK(IsNtFamily(5));
  CHECK(IsNtFamily(8));
  CHECK_FALSE(IsNtFamily(0));
  CHECK_FALSE(IsNtFamily(9));
}

TEST_CASE("detection under Wine matches what GetVersionEx reports") {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  REQUIRE(GetVersionExA(&info));
#pragma GCC diagnostic pop
  CHECK(sizeof info == 148);
  detectOperatingSystem();
  CHECK(OSVersionId == ClassifyWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion) + 1);
  CHECK(OSName == OSNameFor(OSVersionId));
  CHECK(OSVersionId >= 1);
}

TEST_CASE("the release names and generations within the NT family: Windows 11 by its build") {
  struct Case {
    WindowsRelease release;
    const char* name;
    WindowsGeneration generation;
    bool nt6;
  };
  const Case cases[] = {
      {{kPlatformWindows, 4, 10, 2222}, "Windows 98", WindowsGeneration::Win9x, false},
      {{kPlatformNt, 4, 0, 1381}, "Windows NT 4.0", WindowsGeneration::Nt4, false},
      {{kPlatformNt, 5, 2, 3790}, "Windows Server 2003", WindowsGeneration::Win2000Xp, false},
      {{kPlatformNt, 6, 0, 6002}, "Windows Vista", WindowsGeneration::Vista7, true},
      {{kPlatformNt, 6, 3, 9600}, "Windows 8.1", WindowsGeneration::Win8To11, true},
      {{kPlatformNt, 10, 0, 19045}, "Windows 10", WindowsGeneration::Win8To11, true},
      {{kPlatformNt, 10, 0, 22000}, "Windows 11", WindowsGeneration::Win8To11, true},
      {{}, "", WindowsGeneration::Unknown, false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    CHECK(ReleaseName(c.release) == c.name);
    CHECK(GenerationOf(c.release) == c.generation);
    CHECK(IsNt6OrLater(c.release) == c.nt6);
  }
}
