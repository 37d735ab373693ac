#include <doctest.h>

#include "optimizer/RegistryLayout.h"
#include "optimizer/TcpSettings.h"

using namespace quorvane;

namespace {

const RegRoot M = RegRoot::LocalMachine;
const RegRoot U = RegRoot::CurrentUser;
const std::string kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const std::string kIe9x = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const std::string kIeNt = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const std::string kNdi = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
const std::string kP = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const std::string kP2 = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
const std::string kIf = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";
const std::string kSvc = "SYSTEM\\CurrentControlSet\\Services\\";

TcpSettings Preset(int index) {
  InitModePresets();
  return ModePresets[index];
}

}  // namespace

TEST_CASE("the presets hold the built-in values") {
  InitModePresets();
  struct Row { int32_t mss, mtu, rwin, ttl, keepAlive, ie10, ie11; };
  const Row rows[kModePresetCount] = {
      {536, 576, 4288, 128, 600000, 16, 8},         {536, 576, -1, 128, 600000, 16, 8},
      {-1, -1, -1, 128, 600000, 16, 8},             {536, 576, 5432, 64, 7200000, 20, 20},
      {1460, 1500, 256960, 64, 7200000, 20, 20},    {1452, 1492, 255552, 64, 7200000, 20, 20},
      {1460, 1500, 256960, 32, 6400000, 20, 20},
  };
  for (int i = 0; i < kModePresetCount - 1; ++i) {
    CAPTURE(kModeCaptions[i]);
    const TcpSettings& p = ModePresets[i];
    CHECK(p.MSS == rows[i].mss);
    CHECK(p.MTU == rows[i].mtu);
    CHECK(p.RWIN == rows[i].rwin);
    CHECK(p.TTL == rows[i].ttl);
    CHECK(p.KeepAliveTime == rows[i].keepAlive);
    CHECK(p.MaxConn10 == rows[i].ie10);
    CHECK(p.MaxConn11 == rows[i].ie11);
    CHECK(p.KeepAliveInterval == 1000);
    CHECK(p.SYNProtect == 2);
    CHECK(p.NDICacheSize == 0);
    CHECK(p.PMTUDiscovery);
    CHECK_FALSE(p.BlackHoleDetect);
    CHECK_FALSE(p.ICMPRedirect);
  }
  CHECK(IsWindowsDefaultSet(ModePresets[kModePresetCount - 1]));
  for (int i = 0; i < kModePresetCount - 1; ++i) CHECK_FALSE(IsWindowsDefaultSet(ModePresets[i]));
  CHECK(std::string(kModeCaptions[0]) == "Automatic-A");
  CHECK(std::string(kModeCaptions[7]) == "Windows default");
  CHECK(RegFlag(true) == 1);
  CHECK(RegFlag(false) == 0);
}

TEST_CASE("Windows default removes every value an apply writes, and only that set does") {
  for (Layout layout : {Layout::Win9x, Layout::Nt}) {
    CAPTURE(static_cast<int>(layout));
    const std::vector<PlannedWrite> every = PlanApplyWrites(Preset(0), layout, {"a"});
    const std::vector<PlannedWrite> none = PlanApplyWrites(Preset(7), layout, {"a"});
    REQUIRE(none.size() == every.size());
    for (size_t i = 0; i < none.size(); ++i) {
      CAPTURE(none[i].valueName);
      CHECK(none[i].remove);
      CHECK(none[i].valueName == every[i].valueName);
    }
    // One number at -1 removes that value alone; the flags and fixed values stay.
    TcpSettings oneDefault = Preset(0);
    oneDefault.TTL = kWindowsDefault;
    int removed = 0;
    for (const PlannedWrite& write : PlanApplyWrites(oneDefault, layout, {"a"})) removed += write.remove;
    CHECK(removed == 1);
  }
}

TEST_CASE("families choose layouts; NT 5.2 and later take the NT layout") {
  CHECK(LayoutFor(0) == Layout::None);
  for (int id = 1; id <= 4; ++id) CHECK(LayoutFor(id) == Layout::Win9x);
  for (int id = 5; id <= 8; ++id) CHECK(LayoutFor(id) == Layout::Nt);
  CHECK(LayoutFor(9) == Layout::None);
  CHECK(PlanApplyWrites(Preset(0), Layout::None, {"a"}).empty());
}

TEST_CASE("the 9x apply writes text values in the fixed order, NDI before the adapters") {
  TcpSettings s = Preset(3);  // Automatic-D
  s.NDICacheSize = 16;
  s.BlackHoleDetect = true;
  const std::vector<PlannedWrite> expected = {
      {M, kMstcp, "SackOpts", 1, false},
      {M, kMstcp, "Tcp1323Opts", 1, false},
      {M, kMstcp, "DefaultTTL", 64, false},
      {M, kMstcp, "DefaultRcvWindow", 5432, false},
      {M, kMstcp, "GlobalMaxTcpWindowSize", 5432, false},
      {M, kMstcp, "PMTUBlackHoleDetect", 1, false},
      {M, kMstcp, "PMTUDiscovery", 1, false},
      {M, kMstcp, "KeepAliveTime", 7200000, false},
      {M, kMstcp, "KeepAliveInterval", 1000, false},
      {U, kIe9x, "MaxConnectionsPer1_0Server", 20, false},
      {U, kIe9x, "MaxConnectionsPerServer", 20, false},
      {M, kNdi, "", 16, false},
      {M, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "MaxMTU", 576, false},
      {M, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "MaxMSS", 536, false},
      {M, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0001", "MaxMTU", 576, false},
      {M, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0001", "MaxMSS", 536, false},
  };
  CHECK(PlanApplyWrites(s, Layout::Win9x, {"0000", "0001"}) == expected);
}

TEST_CASE("the NT apply writes numbers in the fixed order, the adapters before NDI") {
  TcpSettings s = Preset(4);  // Automatic-E
  s.ICMPRedirect = true;
  const std::vector<PlannedWrite> expected = {
      {M, kP, "SackOpts", 1, false},
      {M, kP, "Tcp1323Opts", 1, false},
      {M, kP, "TcpMaxDupAcks", 2, false},
      {M, kP, "DefaultReceiveWindow", 8192, false},
      {M, kP2, "DefaultTTL", 64, false},
      {M, kP2, "GlobalMaxTcpWindowSize", 256960, false},
      {M, kP2, "TcpWindowSize", 256960, false},
      {M, kP2, "EnablePMTUBHDetect", 0, false},
      {M, kP2, "EnablePMTUDiscovery", 1, false},
      {M, kP2, "KeepAliveTime", 7200000, false},
      {M, kP2, "KeepAliveInterval", 1000, false},
      {M, kP2, "SYNAttackProtect", 2, false},
      {M, kP2, "EnableICMPRedirects", 1, false},
      {U, kIeNt, "MaxConnectionsPer1_0Server", 20, false},
      {U, kIeNt, "MaxConnectionsPerServer", 20, false},
      {M, kIf + "{A}", "MTU", 1500, false},
      {M, kSvc + "{A}\\Parameters\\Tcpip", "MTU", 1500, false},
      {M, kIf + "{A}", "MSS", 1460, false},
      {M, kSvc + "{A}\\Parameters\\Tcpip", "MSS", 1460, false},
      {M, kIf + "{B}", "MTU", 1500, false},
      {M, kSvc + "{B}\\Parameters\\Tcpip", "MTU", 1500, false},
      {M, kIf + "{B}", "MSS", 1460, false},
      {M, kSvc + "{B}\\Parameters\\Tcpip", "MSS", 1460, false},
      {M, kNdi, "", 0, false},
  };
  CHECK(PlanApplyWrites(s, Layout::Nt, {"{A}", "{B}"}) == expected);
  CHECK(PlanApplyWrites(s, Layout::Nt, {}).size() == 16);
}

TEST_CASE("-1 removes the values it stands for") {
  auto removed = [](const std::vector<PlannedWrite>& plan) {
    std::vector<std::string> names;
    for (const auto& w : plan)
      if (w.remove) names.push_back(w.valueName);
    return names;
  };
  TcpSettings s = Preset(0);

  s.RWIN = -1;
  CHECK(removed(PlanApplyWrites(s, Layout::Nt, {})) ==
        std::vector<std::string>{"GlobalMaxTcpWindowSize", "TcpWindowSize"});
  CHECK(removed(PlanApplyWrites(s, Layout::Win9x, {})) ==
        std::vector<std::string>{"DefaultRcvWindow", "GlobalMaxTcpWindowSize"});

  s = Preset(0);
  s.MTU = -1;
  s.MSS = 1460;  // MTU -1 takes the MSS values with it
  auto plan = PlanApplyWrites(s, Layout::Nt, {"{A}", "{B}"});
  CHECK(removed(plan) == std::vector<std::string>{"MTU", "MTU", "MSS", "MSS", "MTU", "MTU", "MSS", "MSS"});
  CHECK(removed(PlanApplyWrites(s, Layout::Win9x, {"0000"})) == std::vector<std::string>{"MaxMTU", "MaxMSS"});

  s = Preset(0);
  s.MTU = 1500;
  s.MSS = -1;  // written as the number -1
  plan = PlanApplyWrites(s, Layout::Nt, {"{A}"});
  CHECK(removed(plan).empty());
  CHECK(plan[17].valueName == "MSS");
  CHECK(plan[17].value == -1);
}

TEST_CASE("backup records follow the file layout of each family") {
  auto records = PlanBackupRecords(Layout::Win9x, {"0000"});
  REQUIRE(records.size() == 4);
  CHECK(records[0].key == kMstcp);
  CHECK(records[0].valueNames == std::vector<std::string>{"SackOpts", "Tcp1323Opts", "DefaultTTL", "DefaultRcvWindow",
                                                          "GlobalMaxTcpWindowSize", "PMTUBlackHoleDetect",
                                                          "DefaultRcvWindow", "PMTUDiscovery", "KeepAliveTime",
                                                          "KeepAliveInterval"});
  CHECK(records[1].root == U);
  CHECK(records[2].valueNames == std::vector<std::string>{""});
  CHECK(records[3].valueNames == std::vector<std::string>{"MaxMTU", "MaxMSS"});

  records = PlanBackupRecords(Layout::Nt, {"{A}", "{B}"});
  REQUIRE(records.size() == 7);
  CHECK(records[0].valueNames.size() == 13);
  CHECK(records[3].key == kIf + "{A}");
  CHECK(records[4].key == kSvc + "{A}\\Parameters\\Tcpip");
  CHECK(records[5].key == kIf + "{B}");
  CHECK(records[6].valueNames == std::vector<std::string>{"MTU", "MSS"});
}

TEST_CASE("restored records must name the program's own keys and values") {
  std::string why;
  CHECK(CheckRecordKey(Layout::Nt, 0, "system\\currentcontrolset\\services\\tcpip\\parameters", &why) == M);
  CHECK(CheckRecordKey(Layout::Nt, 1, kIeNt, &why) == U);
  CHECK(CheckRecordKey(Layout::Nt, 2, kNdi, &why) == M);
  CHECK_FALSE(CheckRecordKey(Layout::Nt, 0, kMstcp, &why));
  CHECK_FALSE(CheckRecordKey(Layout::Nt, 1, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", &why));

  CHECK(CheckRecordKey(Layout::Nt, 3, kIf + "{A}", &why) == M);
  CHECK(CheckRecordKey(Layout::Nt, 4, kSvc + "{A}\\Parameters\\Tcpip", &why) == M);
  CHECK_FALSE(CheckRecordKey(Layout::Nt, 3, kIf + "{A}\\Sub", &why));
  CHECK_FALSE(CheckRecordKey(Layout::Nt, 3, kIf, &why));
  CHECK_FALSE(CheckRecordKey(Layout::Nt, 3, kSvc + "Evil\\Sub\\Parameters\\Tcpip", &why));
  CHECK_FALSE(CheckRecordKey(Layout::Nt, 3, kSvc + "Parameters\\Tcpip", &why));
  CHECK_FALSE(CheckRecordKey(Layout::Nt, 3, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", &why));
  CHECK(CheckRecordKey(Layout::Win9x, 3, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", &why) == M);
  CHECK_FALSE(CheckRecordKey(Layout::Win9x, 3, kIf + "{A}", &why));
  CHECK_FALSE(why.empty());

  CHECK(IsRecordValueName(Layout::Nt, 0, "SYNAttackProtect"));
  CHECK(IsRecordValueName(Layout::Nt, 0, "defaultttl"));
  CHECK_FALSE(IsRecordValueName(Layout::Nt, 0, "Hostname"));
  CHECK_FALSE(IsRecordValueName(Layout::Win9x, 0, "SYNAttackProtect"));
  CHECK(IsRecordValueName(Layout::Nt, 2, ""));
  CHECK_FALSE(IsRecordValueName(Layout::Nt, 2, "x"));
  CHECK(IsRecordValueName(Layout::Nt, 5, "MSS"));
  CHECK_FALSE(IsRecordValueName(Layout::Nt, 5, "MaxMSS"));
  CHECK(IsRecordValueName(Layout::Win9x, 3, "MaxMTU"));
}
