#include "optimizer/backup/BackupRow.h"

#include <windows.h>

#include <utility>

namespace quorvane {

long DaysSince1899(const BackupDate& date) {
  // Days from the civil calendar's epoch (H. Hinnant's days_from_civil), shifted
  // so that 30 December 1899 is day 0.
  const long y = date.month <= 2 ? date.year - 1 : date.year;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yearOfEra = y - era * 400;
  const long dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const long daysFrom1970 = era * 146097 + dayOfEra - 719468;
  return daysFrom1970 + 25569;  // 1970-01-01 is day 25569 of the 1899 count
}

int SecondsSinceMidnight(const BackupTime& time) { return time.hour * 3600 + time.minute * 60 + time.second; }

std::string BackupRowName(const std::string& fileName) {
  const size_t dot = fileName.rfind('.');
  return (dot == std::string::npos ? fileName : fileName.substr(0, dot)) + kBackupExtension;
}

std::string RegionalDateText(const BackupDate& date) {
  SYSTEMTIME when{};
  when.wYear = static_cast<WORD>(date.year);
  when.wMonth = static_cast<WORD>(date.month);
  when.wDay = static_cast<WORD>(date.day);
  char text[80];
  if (date.year >= 1601 &&
      GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, text, sizeof text) > 0)
    return text;
  std::string item = FormatDateItem(date);
  return item.substr(1, item.size() - 2);
}

std::string RegionalTimeText(const BackupTime& time) {
  SYSTEMTIME when{};
  when.wYear = 2000;  // any valid day: only the time of day is formatted
  when.wMonth = 1;
  when.wDay = 1;
  when.wHour = static_cast<WORD>(time.hour);
  when.wMinute = static_cast<WORD>(time.minute);
  when.wSecond = static_cast<WORD>(time.second);
  char text[80];
  if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &when, nullptr, text, sizeof text) > 0) return text;
  std::string item = FormatTimeItem(time);
  return item.substr(1, item.size() - 2);
}

BackupRow MakeBackupRow(const std::string& fileName, const std::optional<BackupStamp>& stamp) {
  BackupRow row;
  row.fileName = fileName;
  row.nameText = BackupRowName(fileName);
  row.stampRead = true;
  row.stamp = stamp;
  if (stamp) {
    row.dateValue = static_cast<double>(DaysSince1899(stamp->date));
    row.timeValue = SecondsSinceMidnight(stamp->time);
  }
  return row;
}

std::string BackupRowText(const BackupRow& row, int column) {
  switch (column) {
    case 0: return row.nameText;
    case 1: return row.stamp ? RegionalDateText(row.stamp->date) : std::string();
    case 2: return row.stamp ? RegionalTimeText(row.stamp->time) : std::string();
  }
  return std::string();
}

int CompareSortValues(double first, double second, bool descending) {
  if (descending) std::swap(first, second);
  if (first < second) return -1;
  return first == second ? 0 : 1;
}

}  // namespace quorvane
