#include "shell/StatusCommand.h"

#include <windows.h>

#include <set>

#include "optimizer/Adapters.h"
#include "optimizer/RegRootKey.h"
#include "optimizer/RegistryLayout.h"
#include "optimizer/ValueSupport.h"
#include "optimizer/WriteFailures.h"
#include "registry/RegKey.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

namespace {

// What a value holds, as regedit would show it; "not set" when it is missing.
std::string HeldValue(HKEY key, const std::string& name) {
  std::string data;
  DWORD type = REG_NONE;
  if (!key || ReadRegistryValue(key, name, &type, &data) != ERROR_SUCCESS) return "not set";
  if (type == REG_DWORD && data.size() >= 4) {
    DWORD number = 0;
    data.copy(reinterpret_cast<char*>(&number), 4);
    return std::to_string(number) + " (REG_DWORD)";
  }
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    while (!data.empty() && data.back() == '\0') data.pop_back();
    return "\"" + data + "\" (REG_SZ)";
  }
  static const char kHex[] = "0123456789abcdef";
  std::string bytes;
  for (unsigned char c : data) bytes += std::string(bytes.empty() ? "" : " ") + kHex[c >> 4] + kHex[c & 15];
  return "[" + bytes + "] (type " + std::to_string(type) + ")";
}

}  // namespace

int PrintStatus(CommandOutput& out) {
  const Layout layout = LayoutFor(OSVersionId);
  const WindowsGeneration generation = GenerationOf(RunningRelease);
  std::string windows = ReleaseName(RunningRelease);
  if (windows.empty()) windows = OSName.empty() ? "this Windows" : OSName;
  if (layout == Layout::None) {
    out.Print(windows + " has no TCP/IP values Quorvane manages.");
    return kExitSuccess;
  }
  out.Print("The values Quorvane manages on " + windows + ": what each holds now, and what " + windows +
            " does with it.");
  for (const BackupRecord& record : PlanBackupRecords(layout, EnumerateAdapters(layout))) {
    out.Print(std::string(RootName(record.root)) + "\\" + record.key);
    RegKey key;
    if (key.Open(ToHkey(record.root), record.key, KEY_QUERY_VALUE) != ERROR_SUCCESS) key = RegKey();
    std::set<std::string> shown;  // the 95 family's record names one value twice
    for (const std::string& name : record.valueNames) {
      if (!shown.insert(name).second) continue;
      out.Print("  " + (name.empty() ? std::string("(default)") : name) + " = " + HeldValue(key.get(), name) + ": " +
                VerdictText(VerdictFor(name, generation), generation));
    }
  }
  return kExitSuccess;
}

}  // namespace quorvane
