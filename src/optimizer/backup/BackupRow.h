// One row of the backup manager's list: the file name it shows, the file's date
// and time once read, and the values the date and time columns sort by. The
// date and time texts are made when the list shows the row.
#pragma once

#include <optional>
#include <string>

#include "optimizer/BackupFormat.h"

namespace quorvane {

struct BackupRow {
  std::string fileName;
  std::string nameText;  // the name without its extension, then ".BCK"
  bool stampRead = false;  // until then stamp and the values are not known
  std::optional<BackupStamp> stamp;  // none when the file does not begin with a date and a time
  // Days since 30 December 1899, and seconds since midnight; 0 for a file
  // without a stamp, which sorts like an empty value.
  double dateValue = 0;
  double timeValue = 0;
};

// Days from 30 December 1899 to the date (negative before it).
long DaysSince1899(const BackupDate& date);
int SecondsSinceMidnight(const BackupTime& time);

// "notes.bck" -> "notes.BCK"; a name without a dot keeps all of it.
std::string BackupRowName(const std::string& fileName);

// The date in the user's short-date form and the time in the user's time form;
// the file's own form when Windows cannot format the date (years before 1601).
std::string RegionalDateText(const BackupDate& date);
std::string RegionalTimeText(const BackupTime& time);

// A row with its stamp read (stamp none: the file has no stamp).
BackupRow MakeBackupRow(const std::string& fileName, const std::optional<BackupStamp>& stamp);
// The text of column 0 (name), 1 (date) or 2 (time); empty date and time
// without a stamp.
std::string BackupRowText(const BackupRow& row, int column);

// -1, 0 or 1; with descending the two values change places first.
int CompareSortValues(double first, double second, bool descending);

}  // namespace quorvane
