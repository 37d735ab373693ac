// The backup file format: ANSI text, one item per line, CR LF line ends. Items are
// texts ("..."), whole numbers (-12), dates (#2007-10-04#), times (#17:05:03#), the
// null item (#NULL#) for a value that did not exist, and the typed item
// (#REG:3:0a0b#) for a value that is neither a number on NT nor a number's text on
// the 9x family. Pure functions: naming, formatting, and reading a file into the
// writes a restore would make.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "optimizer/RegistryLayout.h"

namespace quorvane {

constexpr int kLastBackupNumber = 999;
inline constexpr const char* kBackupExtension = ".BCK";
inline constexpr const char* kNullItem = "#NULL#";

// A registry value as it is held: its type and its data, byte for byte.
struct TypedValue {
  uint32_t type = 0;
  std::string data;
  bool operator==(const TypedValue&) const = default;
};

struct BackupDate {
  int year = 0, month = 0, day = 0;
  bool operator==(const BackupDate&) const = default;
};
struct BackupTime {
  int hour = 0, minute = 0, second = 0;
  bool operator==(const BackupTime&) const = default;
};

// "001.BCK" .. "999.BCK"; empty for numbers outside 1..999.
std::string BackupFileName(int number);

// The number a file name counts as: the last three characters of the name without
// its extension, read as their leading number, rounded ("Copy of 005.BCK" -> 5,
// "notes.BCK" -> 0).
int BackupNumberOfFileName(const std::string& fileName);

// One more than the largest number among the names (1 for none); may be 1000.
int NextBackupNumber(const std::vector<std::string>& fileNames);

std::string FormatTextItem(const std::string& text);
std::string FormatNumberItem(int64_t number);
std::string FormatDateItem(const BackupDate& date);
std::string FormatTimeItem(const BackupTime& time);

// The bits of a REG_DWORD's four bytes, least significant first.
uint32_t DwordBits(const std::string& fourBytes);

// The types a typed item may carry: none (0, an empty value), text (1), binary (3)
// and number (4). A value of any other type is nothing this program writes.
bool IsBackupValueType(uint32_t type);

// "#REG:<type>:<data in hex>#".
std::string FormatTypedItem(const TypedValue& value);
std::optional<TypedValue> ParseTypedItem(std::string_view line);

// The value line recording what the registry holds (nothing: the value is absent).
// A 32-bit number on NT, or a number's plain text on the 9x family, is written as
// the number, as every version wrote it; anything else as a typed item.
std::string ValueItemFor(Layout layout, const std::optional<TypedValue>& held);

std::optional<BackupDate> ParseDateItem(std::string_view line);
std::optional<BackupTime> ParseTimeItem(std::string_view line);

// Splits file text into lines at LF, dropping a CR before it.
std::vector<std::string_view> SplitLines(std::string_view text);

// The date and time items a backup file begins with, if both are well formed.
struct BackupStamp {
  BackupDate date;
  BackupTime time;
};
std::optional<BackupStamp> ReadBackupStamp(std::string_view fileText);

// One write of a restore: a number (text on the 9x family, a DWORD on NT), a
// typed value given back as it was, or, with neither, a removal.
struct RestoreWrite {
  RegRoot root;
  std::string key;
  std::string valueName;
  std::optional<int32_t> value;
  std::optional<TypedValue> typed;
  bool operator==(const RestoreWrite&) const = default;
};

enum class RestoreCheck { Restorable, OtherSystem, Failed };

struct RestorePlan {
  RestoreCheck check = RestoreCheck::Failed;
  int fileOsVersionId = 0;
  Layout layout = Layout::None;  // decides text or number values
  std::vector<RestoreWrite> writes;
  std::string error;  // for Failed: what is wrong, naming the line
};

// Reads a whole backup file and checks every item, number, name and value type
// before any write is planned. The file ends after a complete record (the three fixed ones
// at least), or at an empty key line after them; a file cut short anywhere else,
// or whose last line has no line end, is incomplete and fails.
RestorePlan PlanRestore(std::string_view fileText, int currentOsVersionId);

// The same for a file of any system (export): its own number decides the layout.
RestorePlan PlanBackupFile(std::string_view fileText);

}  // namespace quorvane
