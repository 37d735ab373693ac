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
  // Windows default removes everything, the fixed values and the flags too.
  const bool removeAll = IsWindowsDefaultSet(s);
  const bool defaultWindow = s.RWIN == kWindowsDefault;
  const bool defaultMtu = s.MTU == kWindowsDefault;
  auto add = [&plan, removeAll](RegRoot root, std::string key, std::string name, int32_t value, bool remove) {
    plan.push_back({root, std::move(key), std::move(name), value, remove || removeAll});
  };
  // A number of kWindowsDefault is removed.
  auto number = [&add](RegRoot root, std::string key, std::string name, int32_t value) {
    add(root, std::move(key), std::move(name), value, value == kWindowsDefault);
  };
  const RegRoot hklm = RegRoot::LocalMachine;

  if (layout == Layout::Win9x) {
    add(hklm, kMstcpKey, "SackOpts", 1, false);
    add(hklm, kMstcpKey, "Tcp1323Opts", 1, false);
    number(hklm, kMstcpKey, "DefaultTTL", s.TTL);
    add(hklm, kMstcpKey, "DefaultRcvWindow", s.RWIN, defaultWindow);
    add(hklm, kMstcpKey, "GlobalMaxTcpWindowSize", s.RWIN, defaultWindow);
    add(hklm, kMstcpKey, "PMTUBlackHoleDetect", RegFlag(s.BlackHoleDetect), false);
    add(hklm, kMstcpKey, "PMTUDiscovery", RegFlag(s.PMTUDiscovery), false);
    number(hklm, kMstcpKey, "KeepAliveTime", s.KeepAliveTime);
    number(hklm, kMstcpKey, "KeepAliveInterval", s.KeepAliveInterval);
    number(RegRoot::CurrentUser, kIe9xKey, "MaxConnectionsPer1_0Server", s.MaxConn10);
    number(RegRoot::CurrentUser, kIe9xKey, "MaxConnectionsPerServer", s.MaxConn11);
    number(hklm, kNdiCacheKey, "", s.NDICacheSize);
    for (const std::string& adapter : adapters) {
      add(hklm, NetTransKey(adapter), "MaxMTU", s.MTU, defaultMtu);
      add(hklm, NetTransKey(adapter), "MaxMSS", s.MSS, defaultMtu);
    }
  } else if (layout == Layout::Nt) {
    add(hklm, kTcpipParametersKey, "SackOpts", 1, false);
    add(hklm, kTcpipParametersKey, "Tcp1323Opts", 1, false);
    add(hklm, kTcpipParametersKey, "TcpMaxDupAcks", 2, false);
    add(hklm, kTcpipParametersKey, "DefaultReceiveWindow", 8192, false);
    number(hklm, kTcpipParametersKeyLower, "DefaultTTL", s.TTL);
    add(hklm, kTcpipParametersKeyLower, "GlobalMaxTcpWindowSize", s.RWIN, defaultWindow);
    add(hklm, kTcpipParametersKeyLower, "TcpWindowSize", s.RWIN, defaultWindow);
    add(hklm, kTcpipParametersKeyLower, "EnablePMTUBHDetect", RegFlag(s.BlackHoleDetect), false);
    add(hklm, kTcpipParametersKeyLower, "EnablePMTUDiscovery", RegFlag(s.PMTUDiscovery), false);
    number(hklm, kTcpipParametersKeyLower, "KeepAliveTime", s.KeepAliveTime);
    number(hklm, kTcpipParametersKeyLower, "KeepAliveInterval", s.KeepAliveInterval);
    number(hklm, kTcpipParametersKeyLower, "SYNAttackProtect", s.SYNProtect);
    add(hklm, kTcpipParametersKeyLower, "EnableICMPRedirects", RegFlag(s.ICMPRedirect), false);
    number(RegRoot::CurrentUser, kIeNtKey, "MaxConnectionsPer1_0Server", s.MaxConn10);
    number(RegRoot::CurrentUser, kIeNtKey, "MaxConnectionsPerServer", s.MaxConn11);
    for (const std::string& name : adapters) {
      add(hklm, InterfaceKey(name), "MTU", s.MTU, defaultMtu);
      add(hklm, ServiceKey(name), "MTU", s.MTU, defaultMtu);
      add(hklm, InterfaceKey(name), "MSS", s.MSS, defaultMtu);
      add(hklm, ServiceKey(name), "MSS", s.MSS, defaultMtu);
    }
    number(hklm, kNdiCacheKey, "", s.NDICacheSize);
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
  if (AdapterNameOfKey(layout, keyLine)) return RegRoot::LocalMachine;
  if (win9x) {
    *why = "expected an adapter key below \"" + std::string(kNetTransKey) + "\"";
  } else {
    *why = "expected an interface key below \"" + std::string(kInterfacesKey) +
           "\" or an adapter key \"" + kServicesPrefix + "<name>" + kAdapterServiceSuffix + "\"";
  }
  return std::nullopt;
}

std::optional<std::string> AdapterNameOfKey(Layout layout, const std::string& key) {
  auto nameBetween = [&key](const std::string& prefix, const std::string& suffix) -> std::optional<std::string> {
    if (!StartsWithNoCase(key, prefix) || !EndsWithNoCase(key, suffix) || key.size() < prefix.size() + suffix.size())
      return std::nullopt;
    std::string name = key.substr(prefix.size(), key.size() - prefix.size() - suffix.size());
    if (!IsSingleKeyName(name)) return std::nullopt;
    return name;
  };
  if (layout == Layout::Win9x) return nameBetween(std::string(kNetTransKey) + "\\", "");
  if (layout != Layout::Nt) return std::nullopt;
  if (auto name = nameBetween(std::string(kInterfacesKey) + "\\", "")) return name;
  return nameBetween(kServicesPrefix, kAdapterServiceSuffix);
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
