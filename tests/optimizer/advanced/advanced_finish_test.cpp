// Finish: the boxes go into the set, the set into Wine's registry behind a new
// backup, and the movie comes back; a backup that cannot be written changes nothing.
#include <doctest.h>

#include "wizard_harness.h"

using namespace quorvane;
using testing::ReadDword;
using testing::TcpipRegistry;
using testing::TempFolder;
using testing::WizardHarness;
using testing::WriteDword;

namespace {

constexpr const char* kParameters = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr const char* kInterface = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{4E1A}";
constexpr const char* kInternetSettings = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

DWORD Parameter(const char* name) { return ReadDword(HKEY_LOCAL_MACHINE, kParameters, name).value_or(0xDEAD); }

}  // namespace

TEST_CASE("Finish applies the boxes and the set to the registry and returns home") {
  WizardHarness h;
  h.registry.SetAdapters(Layout::Nt, {"{4E1A}"});
  WizardHarness::Click(h.wizard.optConnType(1));  // cable
  h.GoTo(1);
  WizardHarness::Put(h.wizard.txtMTUValue, "1400");  // typed MTU reaches the registry
  WizardHarness::Put(h.wizard.txtMSSValue, "1360");
  h.GoTo(2);
  WizardHarness::Click(h.wizard.chkMTUDisconver);
  WizardHarness::Click(h.wizard.chkBlackHoleValue);
  h.GoTo(3);
  WizardHarness::Put(h.wizard.txtMultiplier, "10");  // 1460 * 10 * 4, from the set's MSS, not the typed one
  h.GoTo(4);
  WizardHarness::Put(h.wizard.txtTTLValue, "255");
  WizardHarness::Put(h.wizard.txtHTTP10Value, "4");
  h.GoTo(5);
  WizardHarness::Put(h.wizard.txtKeepAliveTimeValue, "300000");
  h.GoTo(6);
  WizardHarness::Put(h.wizard.txtSYNValue, "1");
  WizardHarness::Pick(h.wizard.cmbNDI, 4);
  h.GoTo(7);
  h.Next();  // Finish

  CHECK(h.effects.messageBoxes.empty());
  CHECK(h.MovieInFront());
  CHECK(h.wizard.Visible());  // covered by the movie, not hidden
  TcpSettings& set = CurrentSettings;
  CHECK(set.MTU == 1400);
  CHECK(set.MSS == 1360);
  CHECK(set.RWIN == 58400);
  CHECK(set.TTL == 255);
  CHECK(set.MaxConn10 == 4);
  CHECK(set.MaxConn11 == 20);
  CHECK(set.KeepAliveTime == 300000);
  CHECK(set.KeepAliveInterval == 1000);
  CHECK(set.SYNProtect == 1);
  CHECK(set.NDICacheSize == 16);
  CHECK_FALSE(set.PMTUDiscovery);  // "Disable it??" checked after the page was entered
  CHECK(set.BlackHoleDetect);

  CHECK(TempFolder::ListFiles(h.BackupsFolder()) == std::vector<std::string>{"001.BCK"});
  CHECK(Parameter("DefaultTTL") == 255);
  CHECK(Parameter("GlobalMaxTcpWindowSize") == 58400);
  CHECK(Parameter("TcpWindowSize") == 58400);
  CHECK(Parameter("EnablePMTUDiscovery") == 0);
  CHECK(Parameter("EnablePMTUBHDetect") == 1);
  CHECK(Parameter("KeepAliveTime") == 300000);
  CHECK(Parameter("SYNAttackProtect") == 1);
  CHECK(Parameter("EnableICMPRedirects") == 0);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kInterface, "MTU") == 1400u);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kInterface, "MSS") == 1360u);
  CHECK(ReadDword(HKEY_CURRENT_USER, kInternetSettings, "MaxConnectionsPer1_0Server") == 4u);
  CHECK(ReadDword(HKEY_CURRENT_USER, kInternetSettings, "MaxConnectionsPerServer") == 20u);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize", "")
        == 16u);

  // A second pass takes a second backup and recommends the cable values again.
  h.main.Flash_FSCommand("IDC_FS_advancedmode", "");
  h.Next();
  CHECK(h.wizard.txtMTUValue.Text() == "1500");
  for (int page = 2; page <= 8; ++page) h.Next();
  CHECK(TempFolder::ListFiles(h.BackupsFolder()).size() == 2);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, kInterface, "MTU") == 1500u);
}

TEST_CASE("pages entered again by Back and Next: Finish applies what their controls show") {
  WizardHarness h;
  h.GoTo(2);
  WizardHarness::Click(h.wizard.chkMTUDisconver);   // "Disable it??"
  WizardHarness::Click(h.wizard.chkBlackHoleValue);  // "Enable It?"
  h.GoTo(6);
  WizardHarness::Pick(h.wizard.cmbNDI, 5);  // 32
  WizardHarness::Put(h.wizard.txtSYNValue, "0");
  while (h.wizard.CurrentPage() > 1) h.Back();
  h.GoTo(7);  // entering each page again recommends, but the controls stay as they are
  CHECK(h.wizard.chkBlackHoleValue.Value() == kChecked);
  CHECK(h.wizard.cmbNDI.Text() == "32");
  h.Next();
  CHECK(Parameter("EnablePMTUDiscovery") == 0);
  CHECK(Parameter("EnablePMTUBHDetect") == 1);
  CHECK(Parameter("SYNAttackProtect") == 0);
  CHECK(ReadDword(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize", "")
        == 32u);
  CHECK(h.main.Flash.Variable("_root.status") ==
        "Your advanced settings applied. Earlier settings: backup 001.BCK. "
        "It takes effect after Windows restarts.");
}

TEST_CASE("a backup that cannot be written shows why and leaves the registry as it was") {
  WizardHarness h;
  h.registry.SetAdapters(Layout::Nt, {"{4E1A}"});
  h.programFolder.Touch("Backups", "a file where the folder belongs");
  WriteDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL", 99);
  const testing::Snapshot before = TcpipRegistry::Take(Layout::Nt);

  h.GoTo(7);
  h.Next();  // Finish

  REQUIRE(h.effects.messageBoxes.size() == 1);
  const auto& box = h.effects.messageBoxes[0];
  CHECK(box.caption == "Quorvane");
  CHECK(box.style == (MB_OK | MB_ICONEXCLAMATION));
  CHECK(box.text.find("not applied") != std::string::npos);
  CHECK(box.text.find(h.BackupsFolder()) != std::string::npos);  // the reason names the folder
  CHECK(TcpipRegistry::Take(Layout::Nt) == before);
  CHECK(Parameter("DefaultTTL") == 99);
  CHECK_FALSE(h.MovieInFront());  // the wizard stays in front, back on its first page
  CHECK(h.wizard.CurrentPage() == 0);
  CHECK(h.NextCaption() == "Next");

  // The program goes on: once the folder can be made, Finish applies.
  DeleteFileA(h.BackupsFolder().c_str());
  h.GoTo(7);
  h.Next();
  CHECK(h.effects.messageBoxes.size() == 1);
  CHECK(Parameter("DefaultTTL") == 64);
  CHECK(h.MovieInFront());
}
