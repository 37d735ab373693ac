// Where the optimizer's values live on each Windows family: the ordered writes of
// an apply, the records of a backup file, and which key lines and value names a
// backup file may name. Pure tables and planning, no <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "optimizer/TcpSettings.h"

namespace quorvane {

enum class RegRoot { LocalMachine, CurrentUser };

// 9x: every value is text (REG_SZ). NT: every value is a 32-bit number (REG_DWORD).
enum class Layout { None, Win9x, Nt };

// 1..4 the 9x layout, 5..8 the NT layout, anything else none.
Layout LayoutFor(int osVersionId);

// The key whose direct subkeys are the adapters (9x) or interfaces (NT).
const char* AdapterParentKey(Layout layout);

// One SetKeyValue call of an apply.
struct PlannedWrite {
  RegRoot root;
  std::string key;
  std::string valueName;  // empty: the key's default value
  int32_t value;
  bool remove;

  bool operator==(const PlannedWrite&) const = default;
};

// Every write of an apply, in the order it must happen.
std::vector<PlannedWrite> PlanApplyWrites(const TcpSettings& settings, Layout layout,
                                          const std::vector<std::string>& adapters);

// One record of a backup file: a key and the value names recorded below it.
struct BackupRecord {
  RegRoot root;
  std::string key;
  std::vector<std::string> valueNames;
};

// The records a backup file holds, in file order.
std::vector<BackupRecord> PlanBackupRecords(Layout layout, const std::vector<std::string>& adapters);

// Number of pairs in record 1 (10 in the 9x set, 13 in the NT set).
int FirstRecordPairCount(Layout layout);

// Checks one record of a backup file against the program's own set. recordIndex
// counts from 0; records 0 to 2 are fixed, later ones are adapter or interface
// records naming one direct subkey. Returns the root the record's values go to,
// or nothing with *why set.
std::optional<RegRoot> CheckRecordKey(Layout layout, int recordIndex, const std::string& keyLine,
                                      std::string* why);
// The adapter or interface an adapter record's key names ("{T1}" for
// "...\Interfaces\{T1}"); nothing for any other key.
std::optional<std::string> AdapterNameOfKey(Layout layout, const std::string& key);

bool IsRecordValueName(Layout layout, int recordIndex, const std::string& valueName);

}  // namespace quorvane
