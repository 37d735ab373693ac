// A backup file as the restore reads it. What it accepts must name only keys
// and values the program writes, as the registry will see them (a name ends at
// its first NUL; letter case does not count), and must read back the same once
// written out again.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "optimizer/BackupFormat.h"

using namespace quorvane;

namespace {

void Fail(const char* what, std::string detail) {
  for (size_t at; (at = detail.find('\0')) != std::string::npos;) detail.replace(at, 1, "\\0");
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

std::string AsRegistrySees(const std::string& name) { return name.substr(0, name.find('\0')); }

// The registry's own judgement, kept apart from the compare under test.
bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// A record's key as the backup writes it, with the adapter's name where the
// marker stands: the name must be one key name, not empty.
bool KeyMatches(const std::string& key, const std::string& pattern) {
  static const std::string kMarker = "\x01";
  size_t at = pattern.find(kMarker);
  if (at == std::string::npos) return EqualNoCase(key, pattern);
  std::string_view prefix(pattern.data(), at), suffix(pattern.data() + at + 1, pattern.size() - at - 1);
  if (key.size() <= prefix.size() + suffix.size()) return false;
  std::string_view adapter(key.data() + prefix.size(), key.size() - prefix.size() - suffix.size());
  return EqualNoCase(key.substr(0, prefix.size()), prefix) &&
         EqualNoCase(key.substr(key.size() - suffix.size()), suffix) &&
         adapter.find('\\') == std::string_view::npos;
}

bool IsWrittenByBackup(Layout layout, const RestoreWrite& write) {
  const std::string key = AsRegistrySees(write.key), name = AsRegistrySees(write.valueName);
  for (const BackupRecord& record : PlanBackupRecords(layout, {"\x01"})) {
    if (record.root != write.root || !KeyMatches(key, record.key)) continue;
    for (const std::string& written : record.valueNames)
      if (EqualNoCase(name, written)) return true;
  }
  return false;
}

// The plan as a backup file: records of the sizes the layout gives, in order.
std::string WriteBack(const RestorePlan& plan) {
  std::string text = FormatDateItem({2007, 10, 4}) + "\r\n" + FormatTimeItem({17, 5, 3}) + "\r\n" +
                     FormatNumberItem(plan.fileOsVersionId) + "\r\n";
  size_t next = 0;
  for (int record = 0; next < plan.writes.size(); ++record) {
    size_t pairs = record == 0 ? FirstRecordPairCount(plan.layout) : record == 2 ? 1 : 2;
    text += FormatTextItem(plan.writes[next].key) + "\r\n";
    for (size_t end = std::min(next + pairs, plan.writes.size()); next < end; ++next) {
      const RestoreWrite& write = plan.writes[next];
      text += FormatTextItem(write.valueName) + "\r\n";
      text += (write.typed   ? FormatTypedItem(*write.typed)
               : write.value ? FormatNumberItem(*write.value)
                             : std::string(kNullItem)) +
              "\r\n";
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  ReadBackupStamp(text);
  // Restored on the system that wrote it: the file's own version number.
  RestorePlan plan = PlanRestore(text, 0);
  if (plan.check != RestoreCheck::OtherSystem) return 0;
  plan = PlanRestore(text, plan.fileOsVersionId);
  if (plan.check != RestoreCheck::Restorable) return 0;

  for (const RestoreWrite& write : plan.writes)
    if (!IsWrittenByBackup(plan.layout, write))
      Fail("accepted a name the program never writes", write.key + " / " + write.valueName);

  const std::string written = WriteBack(plan);
  RestorePlan again = PlanRestore(written, plan.fileOsVersionId);
  if (again.check != RestoreCheck::Restorable || again.writes != plan.writes)
    Fail("the plan written back reads differently", again.error + "\n" + written);
  return 0;
}
