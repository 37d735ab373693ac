#include <doctest.h>

#include <windows.h>

#include "../optimizer/tcpip_fixture.h"
#include "optimizer/TcpSettings.h"
#include "shell/CommandLine.h"
#include "system/ProgramFolder.h"
#include "system/mdlOSVersion.h"

using namespace quorvane;

namespace {

struct CapturedOutput : CommandOutput {
  std::string out, err;
  void Print(const std::string& line) override { out += line + "\n"; }
  void PrintError(const std::string& line) override { err += line + "\n"; }
};

int Run(std::vector<std::string> arguments, CapturedOutput& output) {
  return RunCommand(ParseCommandLine(arguments), output);
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST_CASE("command lines split as Windows programs split them") {
  using V = std::vector<std::string>;
  CHECK(SplitCommandLine("quorvane.exe /optimize \"Automatic-D\"") == V{"quorvane.exe", "/optimize", "Automatic-D"});
  CHECK(SplitCommandLine("  \"C:\\Program Files\\q.exe\"   /list  ") == V{"C:\\Program Files\\q.exe", "/list"});
  CHECK(SplitCommandLine("q /optimize \"Windows default\"") == V{"q", "/optimize", "Windows default"});
  CHECK(SplitCommandLine("q \"a\\\"b\" c\\\\d \"e\\\\\"") == V{"q", "a\"b", "c\\\\d", "e\\"});
  CHECK(SplitCommandLine("q \"\"") == V{"q", ""});
  CHECK(SplitCommandLine("").empty());
}

TEST_CASE("switches are parsed with clear errors") {
  InitModePresets();
  CHECK(ParseCommandLine({}).action == CommandAction::None);
  CHECK(ParseCommandLine({"/?"}).action == CommandAction::Usage);
  CHECK(ParseCommandLine({"-LIST"}).action == CommandAction::List);
  CommandRequest optimize = ParseCommandLine({"/Optimize", "windows DEFAULT"});
  CHECK(optimize.action == CommandAction::Optimize);
  CHECK(optimize.modeIndex == 7);
  CHECK(ParseCommandLine({"/restore", "002.BCK"}).file == "002.BCK");
  CommandRequest exportTo = ParseCommandLine({"/export", "002", "C:\\out.reg"});
  CHECK(exportTo.action == CommandAction::Export);
  CHECK(exportTo.file == "002");
  CHECK(exportTo.target == "C:\\out.reg");
  CHECK_FALSE(exportTo.replace);
  CHECK(ParseCommandLine({"/export", "002", "/Y", "C:\\out.reg"}).replace);

  struct Bad {
    std::vector<std::string> arguments;
    const char* says;
  };
  const Bad bad[] = {
      {{"/optimize"}, "takes one mode"},
      {{"/optimize", "Automatic-Z"}, "\"Automatic-Z\" is not a mode"},
      {{"/optimize", "Automatic-A", "x"}, "takes one mode"},
      {{"/restore"}, "takes one backup file"},
      {{"/export", "001.BCK"}, "and the .reg file"},
      {{"/backup", "now"}, "takes no argument"},
      {{"/frobnicate"}, "Unknown switch /frobnicate"},
      {{"optimize"}, "is not a switch"},
  };
  for (const Bad& b : bad) {
    CommandRequest request = ParseCommandLine(b.arguments);
    CAPTURE(request.error);
    CHECK(request.action == CommandAction::Invalid);
    CHECK(Contains(request.error, b.says));
  }

  CapturedOutput output;
  CHECK(Run({"/optimize", "Automatic-Z"}, output) == kExitBadArguments);
  CHECK(Contains(output.err, "\"Automatic-A\", \"Automatic-B\""));
  CHECK(Contains(output.err, "/restore <file>"));
  CHECK(output.out.empty());
}

TEST_CASE("the command-line mode backs up, applies, lists and restores") {
  testing::TcpipRegistry tcpip;
  tcpip.SetAdapters(Layout::Nt, {"{CLI}"});
  testing::TempFolder programFolder("CommandLine");
  OverrideProgramFolder(programFolder.path());
  InitModePresets();
  SetOperatingSystem(kOsIdWinXp);

  CapturedOutput list0;
  CHECK(Run({"/list"}, list0) == kExitSuccess);
  CHECK(Contains(list0.out, "No backups in " + programFolder.path() + "\\Backups"));

  CapturedOutput optimize;
  CHECK(Run({"/optimize", "automatic-d"}, optimize) == kExitSuccess);
  CAPTURE(optimize.out);
  CHECK(Contains(optimize.out, "Mode \"Automatic-D\" on Windows XP."));
  CHECK(Contains(optimize.out, "Backup: " + programFolder.path() + "\\Backups\\001.BCK"));
  CHECK(Contains(optimize.out, "  set      HKLM\\SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters : DefaultTTL = REG_DWORD 64"));
  CHECK(Contains(optimize.out, "HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings : MaxConnectionsPerServer = REG_DWORD 20"));
  CHECK(Contains(optimize.out, "cachesize : (default) = REG_DWORD 0"));
  CHECK(Contains(optimize.out, "20 values written, 0 removed."));
  CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", "DefaultTTL") == 64u);

  CapturedOutput defaults;
  CHECK(Run({"/optimize", "Automatic-C"}, defaults) == kExitSuccess);
  CHECK(Contains(defaults.out, "  removed  HKLM\\SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters : TcpWindowSize"));
  CHECK(Contains(defaults.out, "14 values written, 6 removed."));

  CapturedOutput backup;
  CHECK(Run({"/backup"}, backup) == kExitSuccess);
  CHECK(Contains(backup.out, "Backups\\003.BCK"));

  CapturedOutput list;
  CHECK(Run({"-list"}, list) == kExitSuccess);
  CHECK(Contains(list.out, "  001.BCK"));
  CHECK(Contains(list.out, "  003.BCK"));

  // Restoring 001 (taken before any change) takes the machine back to no values.
  CapturedOutput restore;
  CHECK(Run({"/restore", "001"}, restore) == kExitSuccess);
  CHECK(Contains(restore.out, "Restored " + programFolder.path() + "\\Backups\\001.BCK: "));
  CHECK(Contains(restore.out, "Backup: " + programFolder.path() + "\\Backups\\004.BCK"));  // what it replaced
  CHECK_FALSE(testing::ReadRaw(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", "DefaultTTL"));

  SUBCASE("a backup from another system") {
    SetOperatingSystem(kOsIdWin98);
    CapturedOutput other;
    CHECK(Run({"/restore", programFolder.path() + "\\Backups\\002.BCK"}, other) == kExitOtherSystem);
    CHECK(Contains(other.err, "was made on Windows XP (7); this is Windows 98 (3)."));
  }
  SUBCASE("a damaged backup") {
    programFolder.Touch("Backups\\bad.BCK", "#2026-12-08#\r\n#07:30:00#\r\n7\r\n\"Software\\Evil\"\r\n");
    CapturedOutput bad;
    CHECK(Run({"/restore", "bad.BCK"}, bad) == kExitRestoreFailed);
    CHECK(Contains(bad.err, "Line 4: the key \"Software\\Evil\" is not one this program writes"));
    CapturedOutput missing;
    CHECK(Run({"/restore", "404.BCK"}, missing) == kExitRestoreFailed);
    CHECK(Contains(missing.err, "cannot be opened"));
  }
  SUBCASE("no backup number left") {
    programFolder.Touch("Backups\\999.BCK");
    const auto before = testing::TcpipRegistry::Take(Layout::Nt);
    CapturedOutput full;
    CHECK(Run({"/optimize", "Automatic-A"}, full) == kExitBackupFailed);
    CHECK(Contains(full.err, "Nothing was changed"));
    CHECK(testing::TcpipRegistry::Take(Layout::Nt) == before);
    CapturedOutput backupOnly;
    CHECK(Run({"/backup"}, backupOnly) == kExitBackupFailed);
    CapturedOutput restoreFull;
    CHECK(Run({"/restore", "002"}, restoreFull) == kExitBackupFailed);
    CHECK(Contains(restoreFull.err, "999.BCK exists"));
    CHECK(testing::TcpipRegistry::Take(Layout::Nt) == before);
  }
  SUBCASE("values the registry refuses: status 5, each named, the backup kept") {
    const std::string locked = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{CLI}";
    REQUIRE(testing::DenyWriteAccess(HKEY_LOCAL_MACHINE, locked));
    CapturedOutput denied;
    const int status = Run({"/optimize", "Automatic-D"}, denied);
    CapturedOutput restoreDenied;
    const int restoreStatus = Run({"/restore", "001"}, restoreDenied);
    testing::AllowAllAccess(HKEY_LOCAL_MACHINE, locked);
    CHECK(status == kExitNotAllWritten);
    CHECK(Contains(denied.err, "Some values were not written (2):"));
    CHECK(Contains(denied.err, "  HKLM\\" + locked + " : MTU - "));
    CHECK(Contains(denied.err, "Backups\\005.BCK."));
    CHECK(testing::FileLines(programFolder / "Backups\\005.BCK").size() > 3);
    CHECK(restoreStatus == kExitNotAllWritten);
    CHECK(Contains(restoreDenied.err, "only in part"));
  }
  SUBCASE("/export writes a REGEDIT4 file; a damaged backup exports nothing") {
    CapturedOutput exported;
    CHECK(Run({"/export", "001", programFolder / "001.reg"}, exported) == kExitSuccess);
    auto lines = testing::FileLines(programFolder / "001.reg");
    REQUIRE(lines.size() > 2);
    CHECK(lines[0] == "REGEDIT4");
    CHECK(lines[3] == "\"SackOpts\"=-");
    programFolder.Touch("Backups\\cut.BCK", "#2026-12-08#\r\n#07:30:00#\r\n7\r\n");
    CapturedOutput cut;
    CHECK(Run({"/export", "cut.BCK", programFolder / "cut.reg"}, cut) == kExitRestoreFailed);
    CHECK(Contains(cut.err, "incomplete"));
  }
  OverrideProgramFolder("");
}
