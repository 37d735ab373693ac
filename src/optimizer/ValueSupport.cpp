#include "optimizer/ValueSupport.h"

#include <algorithm>
#include <cctype>

namespace quorvane {

namespace {

// U used, N not used (documented), ? not documented; columns 95/98/ME, NT 4,
// 2000/XP, Vista/7, 8 to 11. The sources are in docs/windows-values.md.
struct Row {
  const char* name;
  const char* uses;     // five letters
  const char* usedFor;  // where U needs a qualifier
  const char* notUsedWhy;
};

constexpr const char* kSynWhy =
    "SYN-flood protection is always on and reads no registry setting";
constexpr const char* kWinInetUse =
    "only by programs that use WinINet (Internet Explorer's library), for HTTP connections";
constexpr const char* kKeepAliveUse = "only on connections whose program turns keep-alive on";

const Row kRows[] = {
    // The 95 family's names.
    {"DefaultRcvWindow", "U????", "", ""},
    {"PMTUBlackHoleDetect", "U????", "", ""},
    {"PMTUDiscovery", "U????", "", ""},
    {"MaxMTU", "U????", "", ""},
    {"MaxMSS", "U????", "", ""},
    // Both families, or the NT names.
    {"SackOpts", "??U??", "", ""},
    {"Tcp1323Opts", "??U??", "", ""},
    {"TcpMaxDupAcks", "??U??", "", ""},
    {"DefaultTTL", "UUU??", "", ""},
    {"GlobalMaxTcpWindowSize", "??U??", "", ""},
    {"TcpWindowSize", "?UU??", "", ""},
    {"EnablePMTUBHDetect", "?UU??", "", ""},
    {"EnablePMTUDiscovery", "?UU??", "", ""},
    {"KeepAliveTime", "UUU??", kKeepAliveUse, ""},
    {"KeepAliveInterval", "UUU??", kKeepAliveUse, ""},
    {"SYNAttackProtect", "?UUNN", "", kSynWhy},
    {"MTU", "?UU??", "", ""},
    {"MaxConnectionsPer1_0Server", "UUUUU", kWinInetUse, ""},
    {"MaxConnectionsPerServer", "UUUUU", kWinInetUse, ""},
    // Written under names or keys no Microsoft reference lists: the receive window
    // under Tcpip (AFD reads it), MSS per interface, "EnableICMPRedirects" (Windows
    // reads EnableICMPRedirect), and the NWLink (IPX) cache.
};

int Column(WindowsGeneration generation) {
  switch (generation) {
    case WindowsGeneration::Win9x: return 0;
    case WindowsGeneration::Nt4: return 1;
    case WindowsGeneration::Win2000Xp: return 2;
    case WindowsGeneration::Vista7: return 3;
    case WindowsGeneration::Win8To11: return 4;
    case WindowsGeneration::Unknown: break;
  }
  return -1;
}

bool EqualNoCase(const std::string& a, const char* b) {
  const std::string other(b);
  return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

const char* GenerationName(WindowsGeneration generation) {
  switch (generation) {
    case WindowsGeneration::Win9x: return "Windows 95, 98 and ME";
    case WindowsGeneration::Nt4: return "Windows NT 4";
    case WindowsGeneration::Win2000Xp: return "Windows 2000 and XP";
    case WindowsGeneration::Vista7: return "Windows Vista and 7";
    case WindowsGeneration::Win8To11: return "Windows 8 to 11";
    case WindowsGeneration::Unknown: break;
  }
  return "this Windows";
}

ValueVerdict VerdictFor(const std::string& valueName, WindowsGeneration generation) {
  const int column = Column(generation);
  if (column < 0) return {};
  for (const Row& row : kRows) {
    if (!EqualNoCase(valueName, row.name)) continue;
    switch (row.uses[column]) {
      case 'U': return {ValueUse::Used, row.usedFor};
      case 'N': return {ValueUse::NotUsed, row.notUsedWhy};
      default: return {};
    }
  }
  return {};
}

std::vector<std::string> ValueNamesOf(TcpField field, WindowsGeneration generation) {
  const bool win9x = generation == WindowsGeneration::Win9x;
  switch (field) {
    case TcpField::MSS: return {win9x ? "MaxMSS" : "MSS"};
    case TcpField::MTU: return {win9x ? "MaxMTU" : "MTU"};
    case TcpField::ICMP: return {"EnableICMPRedirects"};
    case TcpField::NDI: return {""};
    case TcpField::MaxConn10: return {"MaxConnectionsPer1_0Server"};
    case TcpField::MaxConn11: return {"MaxConnectionsPerServer"};
    case TcpField::BlackHole: return {win9x ? "PMTUBlackHoleDetect" : "EnablePMTUBHDetect"};
    case TcpField::RWIN:
      if (win9x) return {"DefaultRcvWindow", "GlobalMaxTcpWindowSize"};
      return {"GlobalMaxTcpWindowSize", "TcpWindowSize"};
    case TcpField::KeepAliveTime: return {"KeepAliveTime"};
    case TcpField::KeepAliveInterval: return {"KeepAliveInterval"};
    case TcpField::SYN: return {"SYNAttackProtect"};
    case TcpField::TTL: return {"DefaultTTL"};
  }
  return {};
}

bool FieldNotUsed(TcpField field, WindowsGeneration generation) {
  const std::vector<std::string> names = ValueNamesOf(field, generation);
  return std::all_of(names.begin(), names.end(), [generation](const std::string& name) {
    return VerdictFor(name, generation).use == ValueUse::NotUsed;
  });
}

std::string FieldNotUsedLine(TcpField field, WindowsGeneration generation, const std::string& releaseName) {
  if (!FieldNotUsed(field, generation)) return "";
  const ValueVerdict verdict = VerdictFor(ValueNamesOf(field, generation).front(), generation);
  return "On " + releaseName + ", " + verdict.why + "; this value has no effect here.";
}

size_t CountNotUsed(const std::vector<PlannedWrite>& writes, WindowsGeneration generation) {
  std::vector<std::string> counted;
  for (const PlannedWrite& write : writes) {
    if (write.remove || VerdictFor(write.valueName, generation).use != ValueUse::NotUsed) continue;
    if (std::find(counted.begin(), counted.end(), write.valueName) == counted.end()) counted.push_back(write.valueName);
  }
  return counted.size();
}

std::string VerdictText(const ValueVerdict& verdict, WindowsGeneration generation) {
  switch (verdict.use) {
    case ValueUse::Used: return verdict.why.empty() ? "used" : "used " + verdict.why;
    case ValueUse::NotUsed: return "not used: " + verdict.why;
    case ValueUse::NotDocumented: break;
  }
  return std::string("not documented for ") + GenerationName(generation);
}

}  // namespace quorvane
