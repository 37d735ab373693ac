#include <doctest.h>

#include <windows.h>

#include "optimizer/BackupFiles.h"
#include "tcpip_fixture.h"

using namespace quorvane;
using testing::FileLines;
using testing::TcpipRegistry;
using testing::TempFolder;

namespace {

const char* const kParameters = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char* const kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char* const kNdi = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
const char* const kIeNt = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// Checks the date and time lines against the clock around the write.
void CheckStamp(const std::vector<std::string>& lines) {
  REQUIRE(lines.size() >= 2);
  SYSTEMTIME now;
  GetLocalTime(&now);
  auto date = ParseDateItem(lines[0]);
  auto time = ParseTimeItem(lines[1]);
  REQUIRE(date);
  REQUIRE(time);
  CHECK(date->year == now.wYear);
  int seconds = time->hour * 3600 + time->minute * 60 + time->second;
  int nowSeconds = now.wHour * 3600 + now.wMinute * 60 + now.wSecond;
  CHECK((nowSeconds - seconds + 86400) % 86400 < 5);
}

}  // namespace

TEST_CASE("an NT backup records the registry as it is, byte for byte") {
  TcpipRegistry tcpip;
  tcpip.SetAdapters(Layout::Nt, {"{IF1}"});
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "SackOpts", 1);
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL", 128);
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "TcpWindowSize", 0xFFFFFFFF);
  testing::WriteDword(HKEY_CURRENT_USER, kIeNt, "MaxConnectionsPerServer", 4);
  testing::WriteDword(HKEY_LOCAL_MACHINE, kNdi, "", 0);
  testing::WriteDword(HKEY_LOCAL_MACHINE,
                      "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{IF1}", "MTU", 1500);
  TempFolder folder("BackupNt");

  BackupWriteResult result = WriteBackupFile(6, folder.path());
  REQUIRE(result.written);
  CHECK(result.path == folder / "001.BCK");
  bool crlf = false;
  auto lines = FileLines(result.path, &crlf);
  CHECK(crlf);
  CheckStamp(lines);
  const std::vector<std::string> expected = {
      "6",
      "\"System\\CurrentControlSet\\Services\\Tcpip\\Parameters\"",
      "\"SackOpts\"", "1",
      "\"Tcp1323Opts\"", "#NULL#",
      "\"TcpMaxDupAcks\"", "#NULL#",
      "\"DefaultReceiveWindow\"", "#NULL#",
      "\"DefaultTTL\"", "128",
      "\"GlobalMaxTcpWindowSize\"", "#NULL#",
      "\"TcpWindowSize\"", "-1",
      "\"EnablePMTUBHDetect\"", "#NULL#",
      "\"EnablePMTUDiscovery\"", "#NULL#",
      "\"KeepAliveTime\"", "#NULL#",
      "\"KeepAliveInterval\"", "#NULL#",
      "\"SYNAttackProtect\"", "#NULL#",
      "\"EnableICMPRedirects\"", "#NULL#",
      "\"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\"",
      "\"MaxConnectionsPer1_0Server\"", "#NULL#",
      "\"MaxConnectionsPerServer\"", "4",
      "\"System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize\"",
      "\"\"", "0",
      "\"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{IF1}\"",
      "\"MTU\"", "1500",
      "\"MSS\"", "#NULL#",
      "\"SYSTEM\\CurrentControlSet\\Services\\{IF1}\\Parameters\\Tcpip\"",
      "\"MTU\"", "#NULL#",
      "\"MSS\"", "#NULL#",
  };
  CHECK(std::vector<std::string>(lines.begin() + 2, lines.end()) == expected);
  CHECK(folder.Files() == std::vector<std::string>{"001.BCK"});  // no temporary file left behind
}

TEST_CASE("a 9x backup records a number's plain text as the number, anything else as it is") {
  TcpipRegistry tcpip;
  tcpip.SetAdapters(Layout::Win9x, {"0000"});
  testing::WriteText(HKEY_LOCAL_MACHINE, kMstcp, "DefaultTTL", "128");
  testing::WriteText(HKEY_LOCAL_MACHINE, kMstcp, "PMTUDiscovery", "0");
  testing::WriteText(HKEY_LOCAL_MACHINE, kMstcp, "DefaultRcvWindow", "4288 bytes");
  testing::WriteText(HKEY_LOCAL_MACHINE, kMstcp, "KeepAliveTime", "abc");
  testing::WriteText(HKEY_LOCAL_MACHINE, kMstcp, "KeepAliveInterval", "-1");
  testing::WriteText(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "MaxMTU", "576");
  // Internet Explorer may have stored its own numbers there.
  testing::WriteDword(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                      "MaxConnectionsPerServer", 6);
  TempFolder folder("Backup9x");

  BackupWriteResult result = WriteBackupFile(2, folder.path());
  REQUIRE(result.written);
  auto lines = FileLines(result.path);
  CheckStamp(lines);
  const std::vector<std::string> expected = {
      "2",
      "\"System\\CurrentControlSet\\Services\\VxD\\MSTCP\"",
      "\"SackOpts\"", "#NULL#",
      "\"Tcp1323Opts\"", "#NULL#",
      "\"DefaultTTL\"", "128",
      "\"DefaultRcvWindow\"", "#REG:1:3432383820627974657300#",
      "\"GlobalMaxTcpWindowSize\"", "#NULL#",
      "\"PMTUBlackHoleDetect\"", "#NULL#",
      "\"DefaultRcvWindow\"", "#REG:1:3432383820627974657300#",
      "\"PMTUDiscovery\"", "0",
      "\"KeepAliveTime\"", "#REG:1:61626300#",
      "\"KeepAliveInterval\"", "-1",
      "\"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\"",
      "\"MaxConnectionsPer1_0Server\"", "#NULL#",
      "\"MaxConnectionsPerServer\"", "#REG:4:06000000#",
      "\"System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize\"",
      "\"\"", "#NULL#",
      "\"System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000\"",
      "\"MaxMTU\"", "576",
      "\"MaxMSS\"", "#NULL#",
  };
  CHECK(std::vector<std::string>(lines.begin() + 2, lines.end()) == expected);
}

TEST_CASE("a backup before detection holds only its header") {
  TempFolder folder("BackupNoLayout");
  BackupWriteResult result = WriteBackupFile(0, folder.path());
  REQUIRE(result.written);
  auto lines = FileLines(result.path);
  REQUIRE(lines.size() == 3);
  CHECK(lines[2] == "0");
}

TEST_CASE("backup names: folder created, gaps kept, other names counted, never replaced") {
  TempFolder parent("BackupNames");
  const std::string folder = parent / "Backups";
  std::string error;

  CHECK(NextBackupPath(folder, &error) == folder + "\\001.BCK");
  CHECK((GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0);

  auto touch = [&folder](const std::string& name) {
    HANDLE f = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(f);
  };
  touch("001.BCK");
  touch("002.BCK");
  touch("010.BCK");
  touch("notes.BCK");
  touch("020.txt");
  CHECK(NextBackupPath(folder, &error) == folder + "\\011.BCK");
  DeleteFileA((folder + "\\010.BCK").c_str());
  CHECK(NextBackupPath(folder, &error) == folder + "\\003.BCK");
  touch("Copy of 005.BCK");
  CHECK(NextBackupPath(folder, &error) == folder + "\\006.BCK");

  BackupWriteResult written = WriteBackupFile(7, folder);
  CHECK(written.written);
  CHECK(written.path == folder + "\\006.BCK");

  touch("999.BCK");
  CHECK(NextBackupPath(folder, &error).empty());
  CHECK(error.find("999.BCK") != std::string::npos);
  BackupWriteResult refused = WriteBackupFile(7, folder);
  CHECK_FALSE(refused.written);
  CHECK(refused.error.find("No backup number is left") != std::string::npos);
  CHECK(TempFolder::ListFiles(folder).size() == 7);  // nothing new, no temporary file
}

TEST_CASE("a backup folder that cannot be made is reported, not ignored") {
  TempFolder parent("BackupBlocked");
  parent.Touch("Backups");  // a file where the folder should be
  BackupWriteResult result = WriteBackupFile(7, parent / "Backups");
  CHECK_FALSE(result.written);
  CHECK(result.error.find("cannot be created") != std::string::npos);
}

TEST_CASE("restoring reports missing files, other systems and bad lines without writing") {
  TcpipRegistry tcpip;
  TempFolder folder("RestoreChecks");
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL", 99);

  RestoreResult missing = RestoreBackupFile(folder / "404.BCK", 7, folder.path());
  CHECK(missing.outcome == RestoreOutcome::Failed);
  CHECK(missing.error.find("cannot be opened") != std::string::npos);

  const std::string header9x = "#2026-12-08#\r\n#07:30:00#\r\n2\r\n";
  folder.Touch("9x.BCK", header9x + "\"System\\CurrentControlSet\\Services\\VxD\\MSTCP\"\r\n\"DefaultTTL\"\r\n64\r\n");
  RestoreResult other = RestoreBackupFile(folder / "9x.BCK", 6, folder.path());
  CHECK(other.outcome == RestoreOutcome::OtherSystem);
  CHECK(other.fileOsVersionId == 2);

  folder.Touch("bad.BCK", "#2026-12-08#\r\n#07:30:00#\r\n7\r\n\"System\\CurrentControlSet\\Services\\Tcpip\\Parameters\"\r\n"
                          "\"DefaultTTL\"\r\n64\r\n\"SackOpts\"\r\n4294967296\r\n");
  RestoreResult bad = RestoreBackupFile(folder / "bad.BCK", 7, folder.path());
  CHECK(bad.outcome == RestoreOutcome::Failed);
  CHECK(bad.error.rfind("Line 8:", 0) == 0);
  // The good value before the bad one was not written either.
  CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 99u);
}

namespace {

// Serves the first part of a file through a named pipe, then breaks it, as a
// network share that drops part way through a read.
struct BreakingPipe {
  std::string name = "\\\\.\\pipe\\quorvane-read-error-" + std::to_string(GetCurrentProcessId());
  std::string part;
  HANDLE pipe = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 65536, 65536, 0, nullptr);
  HANDLE thread = nullptr;

  explicit BreakingPipe(std::string firstPart) : part(std::move(firstPart)) {
    thread = CreateThread(nullptr, 0, &Serve, this, 0, nullptr);
  }
  ~BreakingPipe() {
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
  }
  static DWORD WINAPI Serve(void* self) {
    auto* me = static_cast<BreakingPipe*>(self);
    ConnectNamedPipe(me->pipe, nullptr);
    DWORD written = 0;
    WriteFile(me->pipe, me->part.data(), static_cast<DWORD>(me->part.size()), &written, nullptr);
    FlushFileBuffers(me->pipe);
    CloseHandle(me->pipe);  // the reader's next read fails: the pipe is broken
    return 0;
  }
};

}  // namespace

TEST_CASE("a read that fails part way through a backup restores nothing and says so") {
  TcpipRegistry tcpip;
  TempFolder folder("ReadError");
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL", 99);
  BackupWriteResult written = WriteBackupFile(7, folder.path());
  REQUIRE(written.written);
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL", 64);
  std::string text;
  std::string error;
  REQUIRE(ReadFileText(written.path, &text, &error));

  // Whole records up to the cut: only the failed read tells that more was to come.
  const size_t cut = text.find("\"SOFTWARE\\Microsoft");
  BreakingPipe pipe(text.substr(0, cut));
  RestoreResult result = RestoreBackupFile(pipe.name, 7, folder.path());
  CHECK(result.outcome == RestoreOutcome::Failed);
  CHECK(result.error.find("could not be read") != std::string::npos);
  CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
}

TEST_CASE("a crafted backup: no adapter key is made up, no other value type is written, no file is too large") {
  TcpipRegistry tcpip;
  tcpip.SetAdapters(Layout::Nt, {"{Here}"});
  TempFolder folder("RestoreCrafted");
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL", 99);
  BackupWriteResult base = WriteBackupFile(7, folder.path());
  REQUIRE(base.written);
  std::string text, error;
  REQUIRE(ReadFileText(base.path, &text, &error));
  const std::string interfaces = std::string(kParameters) + "\\Interfaces\\";
  auto record = [](const std::string& key, const std::string& mtu) {
    return "\"" + key + "\"\r\n\"MTU\"\r\n" + mtu + "\r\n\"MSS\"\r\n#NULL#\r\n";
  };
  struct Case {
    const char* what;
    std::string file;
    RestoreOutcome outcome;
    std::vector<std::string> skipped;
  };
  const Case cases[] = {
      {"an interface not on this machine", text + record(interfaces + "{Gone}", "576"), RestoreOutcome::Restored,
       {"HKLM\\" + interfaces + "{Gone}"}},
      {"an expandable text", text + record(interfaces + "{Here}", "#REG:2:2500#"), RestoreOutcome::Failed, {}},
      {"larger than any backup", text + std::string(kMaxBackupFileBytes, '\n'), RestoreOutcome::TooLarge, {}},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.what));
    folder.Touch("crafted.BCK", c.file);
    testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL", 64);
    const RestoreResult result = RestoreBackupFile(folder / "crafted.BCK", 7, folder.path());
    CHECK(result.outcome == c.outcome);
    CHECK(result.skippedKeys == c.skipped);
    CHECK_FALSE(testing::KeyExists(HKEY_LOCAL_MACHINE, interfaces + "{Gone}"));
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") ==
          (c.outcome == RestoreOutcome::Restored ? 99u : 64u));
  }
}

TEST_CASE("an export never replaces a file unasked, never writes through a link, and refuses devices") {
  TempFolder folder("ExportTarget");
  TcpipRegistry tcpip;
  BackupWriteResult backup = WriteBackupFile(7, folder.path());
  REQUIRE(backup.written);
  folder.Touch("kept.reg", "mine");
  struct Case {
    std::string target;
    bool replace;
    bool exported, exists;
  };
  const Case cases[] = {
      {folder / "new.reg", false, true, false},     {folder / "kept.reg", false, false, true},
      {folder / "NUL", true, false, false},         {folder / "com1.reg", true, false, false},
      {"\\\\?\\" + (folder / "long.reg"), true, false, false}, {folder / "a.reg:stream", true, false, false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.target);
    const ExportResult result = ExportBackupFile(backup.path, c.target, c.replace);
    CHECK(result.exported == c.exported);
    CHECK(result.targetExists == c.exists);
    CHECK(result.error.empty() == c.exported);
  }
  CHECK(FileLines(folder / "kept.reg") == std::vector<std::string>{"mine"});  // left alone
  CHECK(ExportBackupFile(backup.path, folder / "kept.reg", true).exported);
  CHECK(FileLines(folder / "kept.reg").at(0) == "REGEDIT4");
  CHECK(TempFolder::ListFiles(folder.path()).size() == 3);  // the backup, new.reg, kept.reg: no temporary left
}
