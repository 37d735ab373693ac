#include <doctest.h>

#include "optimizer/BackupExport.h"
#include "optimizer/BackupFormat.h"

using namespace quorvane;

TEST_CASE("backup files are numbered after the largest number present") {
  CHECK(BackupFileName(1) == "001.BCK");
  CHECK(BackupFileName(10) == "010.BCK");
  CHECK(BackupFileName(999) == "999.BCK");
  CHECK(BackupFileName(1000).empty());
  CHECK(BackupFileName(0).empty());

  CHECK(BackupNumberOfFileName("005.BCK") == 5);
  CHECK(BackupNumberOfFileName("Copy of 005.BCK") == 5);
  CHECK(BackupNumberOfFileName("notes.BCK") == 0);
  CHECK(BackupNumberOfFileName("7.BCK") == 7);
  CHECK(BackupNumberOfFileName("x12.BCK") == 0);   // only the last three characters count
  CHECK(BackupNumberOfFileName("A012.BCK") == 12);
  CHECK(BackupNumberOfFileName("2.7.BCK") == 3);  // "2.7" rounds to 3

  CHECK(NextBackupNumber({}) == 1);
  CHECK(NextBackupNumber({"001.BCK", "002.BCK", "010.BCK"}) == 11);  // gaps are not filled
  CHECK(NextBackupNumber({"001.BCK", "002.BCK"}) == 3);
  CHECK(NextBackupNumber({"notes.BCK"}) == 1);
  CHECK(NextBackupNumber({"Copy of 005.BCK", "002.BCK"}) == 6);
  CHECK(NextBackupNumber({"999.BCK"}) == 1000);
}

TEST_CASE("dates and times are read only in their fixed universal forms") {
  CHECK(FormatDateItem({2007, 10, 4}) == "#2007-10-04#");
  CHECK(FormatTimeItem({17, 5, 3}) == "#17:05:03#");
  CHECK(ParseDateItem("#2007-10-04#") == BackupDate{2007, 10, 4});
  CHECK(ParseDateItem("#2024-02-29#").has_value());
  CHECK_FALSE(ParseDateItem("#2023-02-29#"));
  CHECK_FALSE(ParseDateItem("#2007-13-01#"));
  CHECK_FALSE(ParseDateItem("2007-10-04"));
  CHECK_FALSE(ParseDateItem("#04.10.2007#"));
  CHECK(ParseTimeItem("#00:00:00#") == BackupTime{0, 0, 0});
  CHECK(ParseTimeItem("#23:59:59#") == BackupTime{23, 59, 59});
  CHECK_FALSE(ParseTimeItem("#24:00:00#"));
  CHECK_FALSE(ParseTimeItem("#5:05:03#"));

  auto stamp = ReadBackupStamp("#2007-10-04#\r\n#17:05:03#\r\n6\r\n");
  REQUIRE(stamp);
  CHECK(stamp->date == BackupDate{2007, 10, 4});
  CHECK(stamp->time == BackupTime{17, 5, 3});
  CHECK_FALSE(ReadBackupStamp("\"System\"\r\n#17:05:03#\r\n"));
  CHECK_FALSE(ReadBackupStamp(""));
}

namespace {

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

const std::string kHeaderNt = Lines({"#2026-12-08#", "#07:30:00#", "7"});

// A complete NT record 1 with every value 1 except the ones given.
std::string NtFirstRecord(const std::string& ttlLine = "128") {
  return Lines({"\"System\\CurrentControlSet\\Services\\Tcpip\\Parameters\"", "\"SackOpts\"", "1", "\"Tcp1323Opts\"",
                "1", "\"TcpMaxDupAcks\"", "2", "\"DefaultReceiveWindow\"", "8192", "\"DefaultTTL\"", ttlLine,
                "\"GlobalMaxTcpWindowSize\"", "#NULL#", "\"TcpWindowSize\"", "-1", "\"EnablePMTUBHDetect\"", "0",
                "\"EnablePMTUDiscovery\"", "1", "\"KeepAliveTime\"", "600000", "\"KeepAliveInterval\"", "1000",
                "\"SYNAttackProtect\"", "2", "\"EnableICMPRedirects\"", "0"});
}

const std::string kIeAndNdi =
    Lines({"\"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\"", "\"MaxConnectionsPer1_0Server\"",
           "16", "\"MaxConnectionsPerServer\"", "8",
           "\"System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize\"", "\"\"", "0"});

}  // namespace

TEST_CASE("a sound file becomes the writes of a restore, #NULL# a removal") {
  const std::string file = kHeaderNt + NtFirstRecord() + kIeAndNdi +
                           Lines({"\"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{A}\"",
                                  "\"MTU\"", "1500", "\"MSS\"", "#NULL#"});
  RestorePlan plan = PlanRestore(file, 7);
  REQUIRE(plan.check == RestoreCheck::Restorable);
  CHECK(plan.layout == Layout::Nt);
  REQUIRE(plan.writes.size() == 18);
  CHECK(plan.writes[4] == RestoreWrite{RegRoot::LocalMachine, "System\\CurrentControlSet\\Services\\Tcpip\\Parameters",
                                       "DefaultTTL", 128, std::nullopt});
  CHECK_FALSE(plan.writes[5].value.has_value());
  CHECK(plan.writes[6].value == -1);
  CHECK(plan.writes[13].root == RegRoot::CurrentUser);
  CHECK(plan.writes[15].valueName.empty());
  CHECK(plan.writes[16].value == 1500);
  CHECK_FALSE(plan.writes[17].value.has_value());
}

TEST_CASE("a file ends after a complete record or at an empty key line; cut short, it fails whole") {
  const std::string ifKey = "\"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{A}\"";
  const std::string complete = kHeaderNt + NtFirstRecord() + kIeAndNdi;
  CHECK(PlanRestore(complete, 7).writes.size() == 16);
  CHECK(PlanRestore(complete + Lines({"\"\"", "\"MTU\"", "garbage"}), 7).writes.size() == 16);
  CHECK(PlanRestore(complete + Lines({ifKey, "\"MTU\"", "1500", "\"MSS\"", "1460"}), 7).writes.size() == 18);

  struct Cut {
    const char* what;
    std::string file;
    const char* line;
  };
  const Cut cuts[] = {
      {"header only", kHeaderNt, "Line 4:"},
      {"inside a pair", kHeaderNt + Lines({"\"System\\CurrentControlSet\\Services\\Tcpip\\Parameters\"",
                                           "\"SackOpts\"", "1", "\"Tcp1323Opts\""}), "Line 8:"},
      {"inside an interface record", complete + Lines({ifKey, "\"MTU\"", "1500"}), "Line 42:"},
      {"the last line without its end", complete.substr(0, complete.size() - 2), "Line 38:"},
  };
  for (const Cut& cut : cuts) {
    RestorePlan plan = PlanRestore(cut.file, 7);
    CAPTURE(std::string(cut.what));
    CAPTURE(plan.error);
    CHECK(plan.check == RestoreCheck::Failed);
    CHECK(plan.writes.empty());
    CHECK(plan.error.rfind(cut.line, 0) == 0);
    CHECK(plan.error.find("incomplete") != std::string::npos);
  }
}

TEST_CASE("a NUL or another control character in a key, a value name or a value fails the whole file") {
  const std::string nul(1, '\0');
  const std::string complete = kHeaderNt + NtFirstRecord() + kIeAndNdi;
  const std::string interfaces = "\"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";
  const std::string pair = Lines({"\"MTU\"", "1500", "\"MSS\"", "1460"});
  struct Case {
    const char* what;
    std::string file;
    const char* line;
  };
  const Case cases[] = {
      {"adapter key: Services\\Tcpip<NUL>\\Parameters\\Tcpip",
       complete + Lines({"\"SYSTEM\\CurrentControlSet\\Services\\Tcpip" + nul + "\\Parameters\\Tcpip\""}) + pair,
       "Line 39:"},
      {"interface key: Interfaces\\<NUL>", complete + Lines({interfaces + nul + "\""}) + pair, "Line 39:"},
      {"interface name with a tab", complete + Lines({interfaces + "{A}\t\""}) + pair, "Line 39:"},
      {"value name with a NUL", complete + Lines({interfaces + "{A}\"", "\"MTU" + nul + "x\"", "1500"}), "Line 40:"},
      {"value line with a NUL", complete + Lines({interfaces + "{A}\"", "\"MTU\"", "1500" + nul}), "Line 41:"},
      {"first key with DEL", kHeaderNt + Lines({"\"System\\CurrentControlSet\\Services\\Tcpip\\Parameters\x7f\""}),
       "Line 4:"},
  };
  for (const Case& c : cases) {
    RestorePlan plan = PlanRestore(c.file, 7);
    CAPTURE(std::string(c.what));
    CAPTURE(plan.error);
    CHECK(plan.check == RestoreCheck::Failed);
    CHECK(plan.writes.empty());
    CHECK(plan.error.rfind(c.line, 0) == 0);
  }
}

TEST_CASE("a value is recorded as a number only when it is one; anything else keeps its type and bytes") {
  const std::string nul(1, '\0');
  const std::string dword7200000("\x00\xdd\x6d\x00", 4);
  struct Case {
    Layout layout;
    std::optional<TypedValue> held;
    const char* item;
  };
  const Case cases[] = {
      {Layout::Nt, std::nullopt, "#NULL#"},
      {Layout::Nt, TypedValue{4, dword7200000}, "7200000"},
      {Layout::Nt, TypedValue{4, std::string(4, '\xff')}, "-1"},
      {Layout::Nt, TypedValue{1, "7200000" + nul}, "#REG:1:3732303030303000#"},
      {Layout::Nt, TypedValue{4, ""}, "#REG:4:#"},
      {Layout::Nt, TypedValue{4, std::string("\x01\x02", 2)}, "#REG:4:0102#"},
      {Layout::Nt, TypedValue{11, std::string(8, '\0')}, "#REG:11:0000000000000000#"},
      {Layout::Win9x, TypedValue{1, "64" + nul}, "64"},
      {Layout::Win9x, TypedValue{1, "-2147483648" + nul}, "-2147483648"},
      {Layout::Win9x, TypedValue{1, "2147483648" + nul}, "#REG:1:3231343734383336343800#"},
      {Layout::Win9x, TypedValue{1, "064" + nul}, "#REG:1:30363400#"},
      {Layout::Win9x, TypedValue{1, "4288 bytes" + nul}, "#REG:1:3432383820627974657300#"},
      {Layout::Win9x, TypedValue{1, ""}, "#REG:1:#"},
      {Layout::Win9x, TypedValue{4, std::string("\x04\x00\x00\x00", 4)}, "#REG:4:04000000#"},
      {Layout::Win9x, TypedValue{3, "\x01"}, "#REG:3:01#"},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.item));
    CHECK(ValueItemFor(c.layout, c.held) == c.item);
  }
  for (const Case& c : cases)
    if (c.held && std::string(c.item).rfind("#REG:", 0) == 0) CHECK(ParseTypedItem(c.item) == c.held);
  for (const char* bad : {"#REG:1:3#", "#REG:1:zz#", "#REG:-1:00#", "#REG::00#", "#REG:4294967296:#", "#REG:1#"})
    CHECK_FALSE(ParseTypedItem(bad));
  CHECK(ParseTypedItem("#REG:4294967295:AB#") == TypedValue{4294967295u, "\xab"});

  RestorePlan plan = PlanRestore(kHeaderNt + NtFirstRecord("#REG:1:363400#") + kIeAndNdi, 7);
  REQUIRE(plan.check == RestoreCheck::Restorable);
  CHECK(plan.writes[4].typed == TypedValue{1, "64" + nul});
  CHECK_FALSE(plan.writes[4].value);
  CHECK(PlanRestore(kHeaderNt + NtFirstRecord("#REG:1:3#") + kIeAndNdi, 7).check == RestoreCheck::Failed);
}

TEST_CASE("a file from another system, or with no layout, writes nothing") {
  RestorePlan plan = PlanRestore(Lines({"#2026-12-08#", "#07:30:00#", "2"}) + NtFirstRecord(), 6);
  CHECK(plan.check == RestoreCheck::OtherSystem);
  CHECK(plan.fileOsVersionId == 2);
  CHECK(plan.writes.empty());

  plan = PlanRestore(Lines({"#2026-12-08#", "#07:30:00#", "0", "\"anything\""}), 0);
  CHECK(plan.check == RestoreCheck::Restorable);
  CHECK(plan.writes.empty());
}

TEST_CASE("any fault anywhere fails the whole file and names its line") {
  struct Case {
    const char* what;
    std::string file;
    const char* line;
  };
  const std::string ifKey = "\"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{A}\"";
  const Case cases[] = {
      {"empty file", "", "Line 1:"},
      {"bad date", Lines({"#08.12.2026#", "#07:30:00#", "7"}), "Line 1:"},
      {"bad time", Lines({"#2026-12-08#", "07:30", "7"}), "Line 2:"},
      {"version not a number", Lines({"#2026-12-08#", "#07:30:00#", "seven"}), "Line 3:"},
      {"number beyond 32 bits", kHeaderNt + NtFirstRecord("4294967295"), "Line 14:"},
      {"a value that is not a number", kHeaderNt + NtFirstRecord("12.5"), "Line 14:"},
      {"a number with blanks", kHeaderNt + NtFirstRecord(" 128"), "Line 14:"},
      {"a key line without quotes", kHeaderNt + Lines({"System\\CurrentControlSet\\Services\\Tcpip\\Parameters"}),
       "Line 4:"},
      {"a foreign first key", kHeaderNt + Lines({"\"Software\\Microsoft\\Windows\\CurrentVersion\\Run\""}), "Line 4:"},
      {"a foreign value name",
       kHeaderNt + Lines({"\"System\\CurrentControlSet\\Services\\Tcpip\\Parameters\"", "\"Hostname\"", "1"}),
       "Line 5:"},
      {"a quote inside a text", kHeaderNt + Lines({"\"System\\Current\"Control\""}), "Line 4:"},
      {"an interface path with more levels",
       kHeaderNt + NtFirstRecord() + kIeAndNdi +
           Lines({"\"SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{A}\\..\\..\\Evil\""}),
       "Line 39:"},
      {"a fault after good records", kHeaderNt + NtFirstRecord() + kIeAndNdi + Lines({ifKey, "\"MTU\"", "99999999999"}),
       "Line 41:"},
      {"an expandable text (a type no backup holds)", kHeaderNt + NtFirstRecord("#REG:2:2500#"), "Line 14:"},
      {"an unknown type", kHeaderNt + NtFirstRecord() + kIeAndNdi + Lines({ifKey, "\"MTU\"", "#REG:305419896:00#"}),
       "Line 41:"},
  };
  for (const Case& c : cases) {
    RestorePlan plan = PlanRestore(c.file, 7);
    std::string what = c.what;
    CAPTURE(what);
    CAPTURE(plan.error);
    CHECK(plan.check == RestoreCheck::Failed);
    CHECK(plan.writes.empty());
    CHECK(plan.error.rfind(c.line, 0) == 0);
  }
  for (const char* tooBig : {"2147483648", "-2147483649", "123456789012345678901234567890"}) {
    RestorePlan overflow = PlanRestore(kHeaderNt + NtFirstRecord(tooBig), 7);
    CHECK(overflow.error.find("overflow") != std::string::npos);
  }
  CHECK(PlanRestore(kHeaderNt + NtFirstRecord("-2147483648") + kIeAndNdi, 7).check == RestoreCheck::Restorable);
}

TEST_CASE("an export gives each value in the REGEDIT4 form of its type") {
  const std::string nul(1, '\0');
  RestorePlan plan;
  plan.layout = Layout::Nt;
  const std::string key = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
  auto write = [&](const char* name, std::optional<int32_t> number, std::optional<TypedValue> typed) {
    plan.writes.push_back({RegRoot::LocalMachine, key, name, number, typed});
  };
  write("DefaultTTL", -1, std::nullopt);
  write("TcpWindowSize", std::nullopt, std::nullopt);
  write("KeepAliveTime", std::nullopt, TypedValue{1, "say \"7\\2\"" + nul});
  write("MTU", std::nullopt, TypedValue{1, "two" + nul + "texts" + nul});
  write("MSS", std::nullopt, TypedValue{3, std::string("\x01\xff", 2)});
  write("", std::nullopt, TypedValue{0, ""});
  plan.writes.push_back({RegRoot::CurrentUser, "Software\\IE", "MaxConnectionsPerServer", std::nullopt,
                         TypedValue{4, std::string("\x06\x00\x00\x00", 4)}});
  CHECK(RegeditExportText(plan) ==
        "REGEDIT4\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\r\n"
        "\"DefaultTTL\"=dword:ffffffff\r\n"
        "\"TcpWindowSize\"=-\r\n"
        "\"KeepAliveTime\"=\"say \\\"7\\\\2\\\"\"\r\n"
        "\"MTU\"=hex(1):74,77,6f,00,74,65,78,74,73,00\r\n"
        "\"MSS\"=hex:01,ff\r\n"
        "@=hex(0):\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\IE]\r\n"
        "\"MaxConnectionsPerServer\"=dword:00000006\r\n\r\n");
  plan.layout = Layout::Win9x;
  plan.writes.resize(1);
  CHECK(RegeditExportText(plan).find("\"DefaultTTL\"=\"-1\"\r\n") != std::string::npos);
}
