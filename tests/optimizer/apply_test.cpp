#include <doctest.h>

#include <windows.h>

#include "common/SystemError.h"
#include "optimizer/ApplySettings.h"
#include "optimizer/BackupFiles.h"
#include "optimizer/RegRootKey.h"
#include "optimizer/TcpSettings.h"
#include "system/mdlOSVersion.h"
#include "tcpip_fixture.h"

using namespace quorvane;
using testing::ReadDword;
using testing::ReadText;
using testing::TcpipRegistry;
using testing::TempFolder;

namespace {

const char* const kParameters = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char* const kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char* const kIe = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char* const kNdi = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
std::string InterfaceKey(const std::string& name) { return std::string(kParameters) + "\\Interfaces\\" + name; }
std::string ServiceKey(const std::string& name) { return "SYSTEM\\CurrentControlSet\\Services\\" + name + "\\Parameters\\Tcpip"; }
std::string NetTransKey(const std::string& name) { return "System\\CurrentControlSet\\Services\\Class\\NetTrans\\" + name; }

void UsePreset(int index, int16_t osVersionId) {
  InitModePresets();
  CurrentSettings = ModePresets[index];
  SetOperatingSystem(osVersionId);
}

}  // namespace

TEST_CASE("NT apply writes numbers to the parameters, IE and every interface") {
  TcpipRegistry tcpip;
  tcpip.SetAdapters(Layout::Nt, {"{A}", "{B}"});
  TempFolder folder("ApplyNt");
  UsePreset(3, kOsIdWinXp);  // Automatic-D

  ApplyResult result = ApplySettings(folder.path());
  REQUIRE(result.status == ApplyStatus::Applied);
  CHECK(result.backupPath == folder / "001.BCK");
  CHECK(folder.Files() == std::vector<std::string>{"001.BCK"});
  CHECK(result.writes.size() == 24);

  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "SackOpts") == 1u);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "TcpMaxDupAcks") == 2u);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultReceiveWindow") == 8192u);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "TcpWindowSize") == 5432u);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "SYNAttackProtect") == 2u);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "EnableICMPRedirects") == 0u);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "KeepAliveTime") == 7200000u);
  CHECK(ReadDword(HKEY_CURRENT_USER, kIe, "MaxConnectionsPer1_0Server") == 20u);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kNdi, "") == 0u);
  for (const char* name : {"{A}", "{B}"}) {
    CHECK(ReadDword(HKEY_LOCAL_MACHINE, InterfaceKey(name), "MTU") == 576u);
    CHECK(ReadDword(HKEY_LOCAL_MACHINE, InterfaceKey(name), "MSS") == 536u);
    CHECK(ReadDword(HKEY_LOCAL_MACHINE, ServiceKey(name), "MTU") == 576u);  // the service key was created
    CHECK(ReadDword(HKEY_LOCAL_MACHINE, ServiceKey(name), "MSS") == 536u);
  }
  // Wine's own values in the parameters key are left alone.
  CHECK(ReadText(HKEY_LOCAL_MACHINE, kParameters, "Hostname").has_value());
}

TEST_CASE("NT apply removes what -1 stands for") {
  TcpipRegistry tcpip;
  tcpip.SetAdapters(Layout::Nt, {"{A}", "{B}"});
  TempFolder folder("ApplyNtDefaults");
  UsePreset(0, kOsIdWin2000);
  ApplySettings(folder.path());  // everything written once
  REQUIRE(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "TcpWindowSize"));

  SUBCASE("RWIN -1 removes both window values and still writes the default window") {
    CurrentSettings.RWIN = -1;
    REQUIRE(ApplySettings(folder.path()).status == ApplyStatus::Applied);
    CHECK_FALSE(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "TcpWindowSize"));
    CHECK_FALSE(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "GlobalMaxTcpWindowSize"));
    CHECK(ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultReceiveWindow") == 8192u);
  }
  SUBCASE("MTU -1 removes eight values whatever MSS holds") {
    CurrentSettings.MTU = -1;
    CurrentSettings.MSS = 1460;
    ApplyResult result = ApplySettings(folder.path());
    int removed = 0;
    for (const auto& write : result.writes) removed += write.remove;
    CHECK(removed == 8);
    for (const char* name : {"{A}", "{B}"})
      for (const char* value : {"MTU", "MSS"}) {
        CHECK_FALSE(testing::ReadRaw(HKEY_LOCAL_MACHINE, InterfaceKey(name), value));
        CHECK_FALSE(testing::ReadRaw(HKEY_LOCAL_MACHINE, ServiceKey(name), value));
      }
  }
  SUBCASE("MSS -1 with a real MTU is written as all bits set") {
    CurrentSettings.MTU = 1500;
    CurrentSettings.MSS = -1;
    ApplySettings(folder.path());
    CHECK(ReadDword(HKEY_LOCAL_MACHINE, InterfaceKey("{A}"), "MSS") == 0xFFFFFFFFu);
  }
}

TEST_CASE("9x apply writes texts, leaves SYN and ICMP out, and reaches every adapter") {
  TcpipRegistry tcpip;
  tcpip.SetAdapters(Layout::Win9x, {"0000", "0001"});
  TempFolder folder("Apply9x");
  UsePreset(0, kOsIdWin98);
  CurrentSettings.RWIN = -1;

  ApplyResult result = ApplySettings(folder.path());
  REQUIRE(result.status == ApplyStatus::Applied);
  CHECK(ReadText(HKEY_LOCAL_MACHINE, kMstcp, "DefaultTTL") == "128");
  CHECK(ReadText(HKEY_LOCAL_MACHINE, kMstcp, "PMTUDiscovery") == "1");
  CHECK(ReadText(HKEY_LOCAL_MACHINE, kMstcp, "PMTUBlackHoleDetect") == "0");
  CHECK_FALSE(testing::ReadRaw(HKEY_LOCAL_MACHINE, kMstcp, "DefaultRcvWindow"));
  CHECK_FALSE(testing::ReadRaw(HKEY_LOCAL_MACHINE, kMstcp, "GlobalMaxTcpWindowSize"));
  CHECK_FALSE(testing::ReadRaw(HKEY_LOCAL_MACHINE, kMstcp, "SYNAttackProtect"));
  CHECK_FALSE(testing::ReadRaw(HKEY_LOCAL_MACHINE, kMstcp, "EnableICMPRedirects"));
  CHECK(ReadText(HKEY_CURRENT_USER, kIe, "MaxConnectionsPerServer") == "8");
  CHECK(ReadText(HKEY_LOCAL_MACHINE, kNdi, "") == "0");
  CHECK(ReadText(HKEY_LOCAL_MACHINE, NetTransKey("0001"), "MaxMTU") == "576");
  CHECK(ReadText(HKEY_LOCAL_MACHINE, NetTransKey("0001"), "MaxMSS") == "536");

  SUBCASE("an unrecognised Windows takes the 9x layout") {
    UsePreset(6, kOsIdWin32);  // Automatic-G: TTL 32
    ApplySettings(folder.path());
    CHECK(ReadText(HKEY_LOCAL_MACHINE, kMstcp, "DefaultTTL") == "32");
  }
}

TEST_CASE("apply does nothing before detection, and nothing when the backup fails") {
  TcpipRegistry tcpip;
  TempFolder folder("ApplyRefused");
  const testing::Snapshot before = TcpipRegistry::Take(Layout::Nt);

  UsePreset(0, kOsIdNotDetected);
  CHECK(ApplySettings(folder.path()).status == ApplyStatus::NoLayout);
  CHECK(folder.Files().empty());

  UsePreset(0, kOsIdWinXp);
  folder.Touch("999.BCK");
  ApplyResult full = ApplySettings(folder.path());
  CHECK(full.status == ApplyStatus::BackupFailed);
  CHECK(full.error.find("999.BCK") != std::string::npos);
  CHECK(full.writes.empty());

  folder.Touch("Blocked");
  ApplyResult blocked = ApplySettings(folder / "Blocked");
  CHECK(blocked.status == ApplyStatus::BackupFailed);
  CHECK_FALSE(blocked.error.empty());

  CHECK(TcpipRegistry::Take(Layout::Nt) == before);
  CHECK(folder.Files().size() == 2);
}

namespace {

std::string Le32(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), 4); }
std::string Sz(const std::string& text) { return std::string(text.c_str(), text.size() + 1); }

// Every kind of value the registry can hold where the optimizer writes.
const std::optional<testing::RawValue> kHeldValues[] = {
    std::nullopt,
    testing::RawValue{REG_DWORD, Le32(1500)},
    testing::RawValue{REG_DWORD, Le32(0)},
    testing::RawValue{REG_DWORD, Le32(0x7FFFFFFF)},
    testing::RawValue{REG_DWORD, Le32(0x80000000)},
    testing::RawValue{REG_DWORD, Le32(0xFFFFFFFF)},
    testing::RawValue{REG_DWORD, std::string("\x05\x00", 2)},
    testing::RawValue{REG_SZ, Sz("7200000")},
    testing::RawValue{REG_SZ, Sz("64")},
    testing::RawValue{REG_SZ, Sz("-2147483648")},
    testing::RawValue{REG_SZ, Sz("4294967295")},
    testing::RawValue{REG_SZ, Sz("99999999999999999999")},
    testing::RawValue{REG_SZ, Sz("")},
    testing::RawValue{REG_SZ, ""},
    testing::RawValue{REG_BINARY, ""},
    testing::RawValue{REG_BINARY, std::string("\x01\x00\xff", 3)},
    testing::RawValue{REG_NONE, ""},
};
constexpr size_t kHeldCount = sizeof kHeldValues / sizeof kHeldValues[0];

}  // namespace

TEST_CASE("backup, apply, restore gives back every value exactly, type and data, on both families") {
  for (int16_t os : {kOsIdWin98, kOsIdWinXp}) {
    const Layout layout = LayoutFor(os);
    // Each pass gives every value another kind, so each value takes every kind.
    for (size_t shift = 0; shift < kHeldCount; ++shift) {
      CAPTURE(os);
      CAPTURE(shift);
      TcpipRegistry tcpip;
      tcpip.SetAdapters(layout, {"{A}", "0001"});
      size_t next = shift;
      for (const auto& [where, unused] : TcpipRegistry::Take(layout)) {
        const auto& held = kHeldValues[next++ % kHeldCount];
        const auto& [root, key, name] = where;
        if (held) testing::WriteRaw(ToHkey(root), key, name, held->type, held->data);
      }
      const testing::Snapshot before = TcpipRegistry::Take(layout);
      TempFolder folder("RoundTrip");

      UsePreset(3, os);
      ApplyResult applied = ApplySettings(folder.path());
      REQUIRE(applied.status == ApplyStatus::Applied);
      REQUIRE(TcpipRegistry::Take(layout) != before);

      RestoreResult restored = RestoreBackupFile(applied.backupPath, os, folder.path());
      CHECK(restored.error == "");
      CHECK(restored.outcome == RestoreOutcome::Restored);
      CHECK(TcpipRegistry::Take(layout) == before);
    }
  }
}

TEST_CASE("a backup the restore would refuse is not written, and nothing is applied") {
  // A quote cannot stand in a text item; a restore writes no type but number, text, binary, empty.
  for (bool oddType : {false, true}) {
    CAPTURE(oddType);
    TcpipRegistry tcpip;
    tcpip.SetAdapters(Layout::Nt, {oddType ? "{A}" : "{A\"B}"});
    if (oddType) testing::WriteRaw(HKEY_LOCAL_MACHINE, InterfaceKey("{A}"), "MTU", REG_EXPAND_SZ, Sz("%SystemRoot%"));
    const testing::Snapshot before = TcpipRegistry::Take(Layout::Nt);
    TempFolder folder("Unrestorable");
    UsePreset(3, kOsIdWinXp);
    ApplyResult result = ApplySettings(folder.path());
    CHECK(result.status == ApplyStatus::BackupFailed);
    CHECK(result.error.find("restores") != std::string::npos);
    CHECK(folder.Files().empty());
    CHECK(TcpipRegistry::Take(Layout::Nt) == before);
  }
}

TEST_CASE("writes denied by the registry are counted and named; the backup stays") {
  TcpipRegistry tcpip;
  tcpip.SetAdapters(Layout::Nt, {"{A}", "{B}"});
  const std::string locked = InterfaceKey("{B}");
  REQUIRE(testing::DenyWriteAccess(HKEY_LOCAL_MACHINE, locked));
  TempFolder folder("Denied");
  UsePreset(3, kOsIdWinXp);

  ApplyResult applied = ApplySettings(folder.path());
  CHECK(applied.status == ApplyStatus::NotAllWritten);
  REQUIRE(applied.failures.size() == 2);
  CHECK(applied.failures[0].key == locked);
  CHECK(applied.failures[0].valueName == "MTU");
  CHECK(applied.failures[1].valueName == "MSS");
  CHECK(applied.failures[0].reason == SystemErrorText(ERROR_ACCESS_DENIED));
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, InterfaceKey("{A}"), "MTU") == 576u);  // the rest went in
  CHECK(GetFileAttributesA(applied.backupPath.c_str()) != INVALID_FILE_ATTRIBUTES);

  RestoreResult restored = RestoreBackupFile(applied.backupPath, kOsIdWinXp, folder.path());
  CHECK(restored.outcome == RestoreOutcome::NotAllWritten);
  CHECK(restored.failures.size() == 2);
  CHECK_FALSE(ReadDword(HKEY_LOCAL_MACHINE, InterfaceKey("{A}"), "MTU"));  // removed again, as it was
  testing::AllowAllAccess(HKEY_LOCAL_MACHINE, locked);
}

TEST_CASE("older backups holding plain numbers restore those numbers, 0 included") {
  TcpipRegistry tcpip;
  TempFolder folder("RestorePlain");
  folder.Touch("001.BCK",
               "#2007-10-04#\r\n#17:05:03#\r\n3\r\n"
               "\"System\\CurrentControlSet\\Services\\VxD\\MSTCP\"\r\n"
               "\"SackOpts\"\r\n1\r\n\"Tcp1323Opts\"\r\n1\r\n\"DefaultTTL\"\r\n128\r\n\"DefaultRcvWindow\"\r\n0\r\n"
               "\"GlobalMaxTcpWindowSize\"\r\n0\r\n\"PMTUBlackHoleDetect\"\r\n0\r\n\"DefaultRcvWindow\"\r\n0\r\n"
               "\"PMTUDiscovery\"\r\n1\r\n\"KeepAliveTime\"\r\n0\r\n\"KeepAliveInterval\"\r\n0\r\n"
               "\"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\"\r\n"
               "\"MaxConnectionsPer1_0Server\"\r\n0\r\n\"MaxConnectionsPerServer\"\r\n0\r\n"
               "\"System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize\"\r\n\"\"\r\n0\r\n");
  RestoreResult result = RestoreBackupFile(folder / "001.BCK", 3, folder.path());
  CHECK(result.outcome == RestoreOutcome::Restored);
  CHECK(result.valuesWritten == 13);
  CHECK(ReadText(HKEY_LOCAL_MACHINE, kMstcp, "DefaultTTL") == "128");
  CHECK(ReadText(HKEY_LOCAL_MACHINE, kMstcp, "KeepAliveTime") == "0");
  CHECK(ReadText(HKEY_CURRENT_USER, kIe, "MaxConnectionsPerServer") == "0");
}
