#include "optimizer/RegistryLayout.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace quorvane {

namespace {

// 9x keys.
const char* const kMstcpKey = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char* const kIe9xKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char* const kNetTransKey = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
// Both families.
const char* const kNdiCacheKey = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
// NT keys. The parameters key is spelt two ways, as Windows itself lists it.
const char* const kTcpipParametersKey = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char* const kTcpipParametersKeyLower = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
const char* const kIeNtKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char* const kInterfacesKey = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
const char* const kServicesPrefix = "SYSTEM\\CurrentControlSet\\Services\\";
const char* const kAdapterServiceSuffix = "\\Parameters\\Tcpip";

std::string InterfaceKey(const std::string& name) { return std::string(kInterfacesKey) + "\\" + name; }
std::string ServiceKey(const std::string& name) { return kServicesPrefix + name + kAdapterServiceSuffix; }
std::string NetTransKey(const std::string& name) { return std::string(kNetTransKey) + "\\" + name; }

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && EqualNoCase(text.substr(text.size() - suffix.size()), suffix);
}

// One key name: not empty, no backslash.
bool IsSingleKeyName(const std::string& name) {
  return !name.empty() && name.find('\\') == std::string::npos;
}

const std::vector<std::string>& FirstRecordNames(Layout layout) {
  static const std::vector<std::string> win9x = {
      "SackOpts",      "Tcp1323Opts",         "DefaultTTL",    "DefaultRcvWindow",
      "GlobalMaxTcpWindowSize", "PMTUBlackHoleDetect", "DefaultRcvWindow", "PMTUDiscovery",
      "KeepAliveTime", "KeepAliveInterval"};
  static const std::vector<std::string> nt = {
      "SackOpts",          "Tcp1323Opts",       "TcpMaxDupAcks",       "DefaultReceiveWindow",
      "DefaultTTL",        "GlobalMaxTcpWindowSize", "TcpWindowSize",  "EnablePMTUBHDetect",
      "EnablePMTUDiscovery", "KeepAliveTime",   "KeepAliveInterval",   "SYNAttackProtect",
      "EnableICMPRedirects"};
  return layout == Layout::Win9x ? win9x : nt;
}

const std::vector<std::string>& IeNames() {
  static const std::vector<std::string> names = {"MaxConnectionsPer1_0Server", "MaxConnectionsPerServer"};
  return names;
}

const std::vector<std::string>& AdapterNames(Layout layout) {
  static const std::vector<std::string> win9x = {"MaxMTU", "MaxMSS"};
  static const std::vector<std::string> nt = {"MTU", "MSS"};
  return layout == Layout::Win9x ? win9x : nt;
}

}  // namespace

Layout LayoutFor(int osVersionId) {
  if (osVersionId >= 1 && osVersionId <= 4) return Layout::Win9x;
  if (osVersionId >= 5 && osVersionId <= 8) return Layout::Nt;
  return Layout::None;
}

const char* AdapterParentKey(Layout layout) {
  switch (layout) {
    case Layout::Win9x: return kNetTransKey;
    case Layout::Nt: return kInterfacesKey;
    case Layout::None: break;
  }
  return "";
}

std::vector<PlannedWrite> PlanApplyWrites(const TcpSettings& s, Layout layout,
                                          const std::vector<std::string>& adapters) {
  std::vector<PlannedWrite> plan;
  auto add = [&plan](RegRoot root, std::string key, std::string name, int32_t value, bool remove) {
    plan.push_back({root, std::move(key), std::move(name), value, remove});
  };
  const RegRoot hklm = RegRoot::LocalMachine;
  const bool defaultWindow = s.RWIN == kWindowsDefault;
  const bool defaultMtu = s.MTU == kWindowsDefault;

  if (layout == Layout::Win9x) {
    add(hklm, kMstcpKey, "SackOpts", 1, false);
    add(hklm, kMstcpKey, "Tcp1323Opts", 1, false);
    add(hklm, kMstcpKey, "DefaultTTL", s.TTL, false);
    add(hklm, kMstcpKey, "DefaultRcvWindow", s.RWIN, defaultWindow);
    add(hklm, kMstcpKey, "GlobalMaxTcpWindowSize", s.RWIN, defaultWindow);
    add(hklm, kMstcpKey, "PMTUBlackHoleDetect", RegFlag(s.BlackHoleDetect), false);
    add(hklm, kMstcpKey, "PMTUDiscovery", RegFlag(s.PMTUDiscovery), false);
    add(hklm, kMstcpKey, "KeepAliveTime", s.KeepAliveTime, false);
    add(hklm, kMstcpKey, "KeepAliveInterval", s.KeepAliveInterval, false);
    add(RegRoot::CurrentUser, kIe9xKey, "MaxConnectionsPer1_0Server", s.MaxConn10, false);
    add(RegRoot::CurrentUser, kIe9xKey, "MaxConnectionsPerServer", s.MaxConn11, false);
    add(hklm, kNdiCacheKey, "", s.NDICacheSize, false);
    for (const std::string& adapter : adapters) {
      add(hklm, NetTransKey(adapter), "MaxMTU", s.MTU, defaultMtu);
      add(hklm, NetTransKey(adapter), "MaxMSS", s.MSS, defaultMtu);
    }
  } else if (layout == Layout::Nt) {
    add(hklm, kTcpipParametersKey, "SackOpts", 1, false);
    add(hklm, kTcpipParametersKey, "Tcp1323Opts", 1, false);
    add(hklm, kTcpipParametersKey, "TcpMaxDupAcks", 2, false);
    add(hklm, kTcpipParametersKey, "DefaultReceiveWindow", 8192, false);
    add(hklm, kTcpipParametersKeyLower, "DefaultTTL", s.TTL, false);
    add(hklm, kTcpipParametersKeyLower, "GlobalMaxTcpWindowSize", s.RWIN, defaultWindow);
    add(hklm, kTcpipParametersKeyLower, "TcpWindowSize", s.RWIN, defaultWindow);
    add(hklm, kTcpipParametersKeyLower, "EnablePMTUBHDetect", RegFlag(s.BlackHoleDetect), false);
    add(hklm, kTcpipParametersKeyLower, "EnablePMTUDiscovery", RegFlag(s.PMTUDiscovery), false);
    add(hklm, kTcpipParametersKeyLower, "KeepAliveTime", s.KeepAliveTime, false);
    add(hklm, kTcpipParametersKeyLower, "KeepAliveInterval", s.KeepAliveInterval, false);
    add(hklm, kTcpipParametersKeyLower, "SYNAttackProtect", s.SYNProtect, false);
    add(hklm, kTcpipParametersKeyLower, "EnableICMPRedirects", RegFlag(s.ICMPRedirect), false);
    add(RegRoot::CurrentUser, kIeNtKey, "MaxConnectionsPer1_0Server", s.MaxConn10, false);
    add(RegRoot::CurrentUser, kIeNtKey, "MaxConnectionsPerServer", s.MaxConn11, false);
    for (const std::string& name : adapters) {
      add(hklm, InterfaceKey(name), "MTU", s.MTU, defaultMtu);
      add(hklm, ServiceKey(name), "MTU", s.MTU, defaultMtu);
      add(hklm, InterfaceKey(name), "MSS", s.MSS, defaultMtu);
      add(hklm, ServiceKey(name), "MSS", s.MSS, defaultMtu);
    }
    add(hklm, kNdiCacheKey, "", s.NDICacheSize, false);
  }
  return plan;
}

std::vector<BackupRecord> PlanBackupRecords(Layout layout, const std::vector<std::string>& adapters) {
  std::vector<BackupRecord> records;
  if (layout == Layout::None) return records;
  const bool win9x = layout == Layout::Win9x;
  const RegRoot hklm = RegRoot::LocalMachine;
  records.push_back({hklm, win9x ? kMstcpKey : kTcpipParametersKey, FirstRecordNames(layout)});
  records.push_back({RegRoot::CurrentUser, win9x ? kIe9xKey : kIeNtKey, IeNames()});
  records.push_back({hklm, kNdiCacheKey, {""}});
  for (const std::string& name : adapters) {
    if (win9x) {
      records.push_back({hklm, NetTransKey(name), AdapterNames(layout)});
    } else {
      records.push_back({hklm, InterfaceKey(name), AdapterNames(layout)});
      records.push_back({hklm, ServiceKey(name), AdapterNames(layout)});
    }
  }
  return records;
}

int FirstRecordPairCount(Layout layout) { return static_cast<int>(FirstRecordNames(layout).size()); }

std::optional<RegRoot> CheckRecordKey(Layout layout, int recordIndex, const std::string& keyLine,
                                      std::string* why) {
  const bool win9x = layout == Layout::Win9x;
  auto expect = [&](const char* key, RegRoot root) -> std::optional<RegRoot> {
    if (EqualNoCase(keyLine, key)) return root;
    *why = "expected the key \"" + std::string(key) + "\"";
    return std::nullopt;
  };
  switch (recordIndex) {
    case 0: return expect(win9x ? kMstcpKey : kTcpipParametersKey, RegRoot::LocalMachine);
    case 1: return expect(win9x ? kIe9xKey : kIeNtKey, RegRoot::CurrentUser);
    case 2: return expect(kNdiCacheKey, RegRoot::LocalMachine);
    default: break;
  }
  auto nameBetween = [&keyLine](const std::string& prefix, const std::string& suffix) {
    if (!StartsWithNoCase(keyLine, prefix) || !EndsWithNoCase(keyLine, suffix) ||
        keyLine.size() < prefix.size() + suffix.size())
      return false;
    return IsSingleKeyName(keyLine.substr(prefix.size(), keyLine.size() - prefix.size() - suffix.size()));
  };
  if (win9x) {
    if (nameBetween(std::string(kNetTransKey) + "\\", "")) return RegRoot::LocalMachine;
    *why = "expected an adapter key below \"" + std::string(kNetTransKey) + "\"";
  } else {
    if (nameBetween(std::string(kInterfacesKey) + "\\", "") ||
        nameBetween(kServicesPrefix, kAdapterServiceSuffix))
      return RegRoot::LocalMachine;
    *why = "expected an interface key below \"" + std::string(kInterfacesKey) +
           "\" or an adapter key \"" + kServicesPrefix + "<name>" + kAdapterServiceSuffix + "\"";
  }
  return std::nullopt;
}

bool IsRecordValueName(Layout layout, int recordIndex, const std::string& valueName) {
  auto in = [&valueName](const std::vector<std::string>& names) {
    return std::any_of(names.begin(), names.end(),
                       [&valueName](const std::string& n) { return EqualNoCase(n, valueName); });
  };
  switch (recordIndex) {
    case 0: return in(FirstRecordNames(layout));
    case 1: return in(IeNames());
    case 2: return valueName.empty();
    default: return in(AdapterNames(layout));
  }
}

}  // namespace quorvane
