#include "optimizer/BackupFormat.h"

#include <cmath>
#include <cstdio>

#include "common/NumberText.h"

namespace quorvane {

std::string BackupFileName(int number) {
  if (number < 1 || number > kLastBackupNumber) return std::string();
  char name[16];
  std::snprintf(name, sizeof name, "%03d%s", number, kBackupExtension);
  return name;
}

int BackupNumberOfFileName(const std::string& fileName) {
  std::string stem = fileName;
  size_t dot = stem.rfind('.');
  if (dot != std::string::npos) stem.resize(dot);
  if (stem.size() > 3) stem = stem.substr(stem.size() - 3);
  auto number = ToInt32(LeadingNumber(stem));
  return number ? *number : 0;
}

int NextBackupNumber(const std::vector<std::string>& fileNames) {
  int largest = 0;
  for (const std::string& name : fileNames) largest = std::max(largest, BackupNumberOfFileName(name));
  return largest + 1;
}

std::string FormatTextItem(const std::string& text) { return "\"" + text + "\""; }

std::string FormatNumberItem(int64_t number) { return std::to_string(number); }

uint32_t DwordBits(const std::string& fourBytes) {
  uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>(fourBytes[i]);
  return bits;
}

bool IsBackupValueType(uint32_t type) { return type == 0 || type == 1 || type == 3 || type == 4; }

std::string FormatTypedItem(const TypedValue& value) {
  static const char kHex[] = "0123456789abcdef";
  std::string item = "#REG:" + std::to_string(value.type) + ":";
  for (unsigned char byte : value.data) {
    item += kHex[byte >> 4];
    item += kHex[byte & 15];
  }
  return item + "#";
}

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The text of a 32-bit number exactly as the 9x apply writes it ("1500", "-1"),
// ended by one terminator.
std::optional<int32_t> PlainNumberText(const std::string& data) {
  if (data.size() < 2 || data.back() != '\0') return std::nullopt;
  const std::string text = data.substr(0, data.size() - 1);
  auto number = ParseWholeNumber(text);
  if (!number || *number < INT32_MIN || *number > INT32_MAX || FormatNumberItem(*number) != text)
    return std::nullopt;
  return static_cast<int32_t>(*number);
}

}  // namespace

std::optional<TypedValue> ParseTypedItem(std::string_view line) {
  constexpr std::string_view kPrefix = "#REG:";
  if (line.size() < kPrefix.size() + 3 || line.substr(0, kPrefix.size()) != kPrefix || line.back() != '#')
    return std::nullopt;
  std::string_view body = line.substr(kPrefix.size(), line.size() - kPrefix.size() - 1);
  const size_t colon = body.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  auto type = ParseWholeNumber(body.substr(0, colon));
  if (!type || *type < 0 || *type > UINT32_MAX || body[0] == '-') return std::nullopt;
  std::string_view hex = body.substr(colon + 1);
  if (hex.size() % 2) return std::nullopt;
  TypedValue value{static_cast<uint32_t>(*type), {}};
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    value.data += static_cast<char>(high * 16 + low);
  }
  return value;
}

std::string ValueItemFor(Layout layout, const std::optional<TypedValue>& held) {
  constexpr uint32_t kText = 1, kNumber = 4;  // REG_SZ, REG_DWORD
  if (!held) return kNullItem;
  if (layout == Layout::Nt && held->type == kNumber && held->data.size() == 4)
    // Recorded as the signed number the apply writes (-1 for 0xFFFFFFFF).
    return FormatNumberItem(static_cast<int32_t>(DwordBits(held->data)));
  if (layout == Layout::Win9x && held->type == kText)
    if (auto number = PlainNumberText(held->data)) return FormatNumberItem(*number);
  return FormatTypedItem(*held);
}

std::string FormatDateItem(const BackupDate& d) {
  char item[32];
  std::snprintf(item, sizeof item, "#%04d-%02d-%02d#", d.year, d.month, d.day);
  return item;
}

std::string FormatTimeItem(const BackupTime& t) {
  char item[32];
  std::snprintf(item, sizeof item, "#%02d:%02d:%02d#", t.hour, t.minute, t.second);
  return item;
}

namespace {

// Reads exactly `count` digits at `pos`.
bool Digits(std::string_view text, size_t pos, size_t count, int* value) {
  if (pos + count > text.size()) return false;
  int result = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    result = result * 10 + (text[i] - '0');
  }
  *value = result;
  return true;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<BackupDate> ParseDateItem(std::string_view line) {
  BackupDate d;
  if (line.size() != 12 || line[0] != '#' || line[5] != '-' || line[8] != '-' || line[11] != '#' ||
      !Digits(line, 1, 4, &d.year) || !Digits(line, 6, 2, &d.month) || !Digits(line, 9, 2, &d.day))
    return std::nullopt;
  if (d.year < 100 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > DaysInMonth(d.year, d.month))
    return std::nullopt;
  return d;
}

std::optional<BackupTime> ParseTimeItem(std::string_view line) {
  BackupTime t;
  if (line.size() != 10 || line[0] != '#' || line[3] != ':' || line[6] != ':' || line[9] != '#' ||
      !Digits(line, 1, 2, &t.hour) || !Digits(line, 4, 2, &t.minute) || !Digits(line, 7, 2, &t.second))
    return std::nullopt;
  if (t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
  return t;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = next;
  }
  return lines;
}

std::optional<BackupStamp> ReadBackupStamp(std::string_view fileText) {
  auto lines = SplitLines(fileText.substr(0, 64));
  if (lines.size() < 2) return std::nullopt;
  auto date = ParseDateItem(lines[0]);
  auto time = ParseTimeItem(lines[1]);
  if (!date || !time) return std::nullopt;
  return BackupStamp{*date, *time};
}

namespace {

// Reads a file's lines as items, in order, remembering where it is for messages.
class ItemReader {
 public:
  explicit ItemReader(std::string_view text) : lines_(SplitLines(text)) {}

  bool AtEnd() const { return next_ >= lines_.size(); }
  size_t LineNumber() const { return next_; }  // 1-based number of the line last read

  std::string_view Take() { return lines_[next_++]; }

 private:
  std::vector<std::string_view> lines_;
  size_t next_ = 0;
};

std::string LineError(size_t lineNumber, const std::string& what) {
  return "Line " + std::to_string(lineNumber) + ": " + what + ".";
}

bool ParseTextItem(std::string_view line, std::string* text) {
  if (line.size() < 2 || line.front() != '"' || line.back() != '"') return false;
  std::string_view inner = line.substr(1, line.size() - 2);
  if (inner.find('"') != std::string_view::npos) return false;
  *text = std::string(inner);
  return true;
}

// A NUL or another control character: the registry's API would stop at a NUL,
// so the line would name another key or value than the one checked here.
std::optional<unsigned char> ControlCharacterIn(std::string_view line) {
  for (unsigned char c : line)
    if (c < 0x20 || c == 0x7f) return c;
  return std::nullopt;
}

// An optional minus and digits, however many.
bool IsDigitRun(std::string_view text) {
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

namespace {

RestorePlan PlanFile(std::string_view fileText, std::optional<int> currentOsVersionId) {
  RestorePlan plan;
  ItemReader reader(fileText);
  auto fail = [&plan, &reader](const std::string& what) {
    plan.check = RestoreCheck::Failed;
    plan.writes.clear();
    plan.error = LineError(reader.LineNumber(), what);
    return plan;
  };
  auto incomplete = [&plan, &reader](const std::string& what) {
    plan.check = RestoreCheck::Failed;
    plan.writes.clear();
    plan.error = LineError(reader.LineNumber() + 1, "the file ends " + what +
                                                        "; it is incomplete (cut short), so nothing is restored");
    return plan;
  };

  // Header: date, time, the number of the system that wrote the file.
  if (reader.AtEnd()) {
    plan.error = LineError(1, "the file is empty; a backup begins with its date");
    return plan;
  }
  if (!ParseDateItem(reader.Take())) return fail("expected the backup's date, as #yyyy-mm-dd#");
  if (reader.AtEnd()) return fail("the file ends before the backup's time");
  if (!ParseTimeItem(reader.Take())) return fail("expected the backup's time, as #hh:mm:ss#");
  if (reader.AtEnd()) return fail("the file ends before the Windows version number");
  auto fileOs = ParseWholeNumber(reader.Take());
  if (!fileOs || *fileOs < INT32_MIN || *fileOs > INT32_MAX)
    return fail("expected the Windows version number");
  plan.fileOsVersionId = static_cast<int>(*fileOs);
  if (currentOsVersionId && plan.fileOsVersionId != *currentOsVersionId) {
    plan.check = RestoreCheck::OtherSystem;
    return plan;
  }
  plan.layout = LayoutFor(plan.fileOsVersionId);
  plan.check = RestoreCheck::Restorable;
  if (plan.layout == Layout::None) return plan;  // a number with no layout restores nothing
  // The writer ends every line; a last line without its end was cut off.
  if (fileText.back() != '\n') {
    plan.check = RestoreCheck::Failed;
    plan.error = LineError(SplitLines(fileText).size(),
                           "the line has no line end; the file is incomplete (cut short), so nothing is restored");
    return plan;
  }

  constexpr int kFixedRecords = 3;
  for (int record = 0;; ++record) {
    if (reader.AtEnd()) {
      if (record < kFixedRecords) return incomplete("before record " + std::to_string(record + 1));
      break;
    }
    std::string_view keyLine = reader.Take();
    std::string key;
    if (!ParseTextItem(keyLine, &key)) return fail("expected a key, in double quotes");
    if (auto c = ControlCharacterIn(key))
      return fail("the key holds a control character (code " + std::to_string(*c) + ")");
    if (record >= kFixedRecords && key.empty()) break;
    std::string why;
    auto root = CheckRecordKey(plan.layout, record, key, &why);
    if (!root) return fail("the key \"" + key + "\" is not one this program writes: " + why);

    int pairs = record == 0 ? FirstRecordPairCount(plan.layout) : record == 1 ? 2 : record == 2 ? 1 : 2;
    for (int pair = 0; pair < pairs; ++pair) {
      if (reader.AtEnd()) return incomplete("inside the record of \"" + key + "\"");
      std::string name;
      if (!ParseTextItem(reader.Take(), &name)) return fail("expected a value name, in double quotes");
      if (auto c = ControlCharacterIn(name))
        return fail("the value name holds a control character (code " + std::to_string(*c) + ")");
      if (!IsRecordValueName(plan.layout, record, name))
        return fail("the value name \"" + name + "\" does not belong to the key \"" + key + "\"");
      if (reader.AtEnd()) return incomplete("before the value of \"" + name + "\"");
      std::string_view valueLine = reader.Take();
      RestoreWrite write{*root, key, name, std::nullopt, std::nullopt};
      if (auto c = ControlCharacterIn(valueLine))
        return fail("the value line holds a control character (code " + std::to_string(*c) + ")");
      if (valueLine.rfind("#REG:", 0) == 0) {
        write.typed = ParseTypedItem(valueLine);
        if (!write.typed) return fail("expected a typed value, as #REG:<type>:<hex bytes>#");
        if (!IsBackupValueType(write.typed->type))
          return fail("the value type " + std::to_string(write.typed->type) +
                      " is not one a backup holds (number, text, binary or empty)");
      } else if (valueLine != kNullItem) {
        auto number = ParseWholeNumber(valueLine);
        if (!number && !IsDigitRun(valueLine)) return fail("expected a whole number or " + std::string(kNullItem));
        if (!number || *number < INT32_MIN || *number > INT32_MAX)
          return fail("the number " + std::string(valueLine) + " does not fit in 32 bits (overflow)");
        write.value = static_cast<int32_t>(*number);
      }
      plan.writes.push_back(std::move(write));
    }
  }
  return plan;
}

}  // namespace

RestorePlan PlanRestore(std::string_view fileText, int currentOsVersionId) {
  return PlanFile(fileText, currentOsVersionId);
}

RestorePlan PlanBackupFile(std::string_view fileText) { return PlanFile(fileText, std::nullopt); }

}  // namespace quorvane
