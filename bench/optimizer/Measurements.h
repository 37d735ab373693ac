// The timed cases of the optimizer benchmark. Each call times one run of a case
// and adds its samples; the driver cycles through all cases in every repetition,
// so a busy spell of the shared machine spreads over all of them alike.
#pragma once

#include <string>
#include <vector>

namespace quorvane::bench {

constexpr int kNtOsVersionId = 7;

// Microseconds of each timed run of an apply case.
struct ApplySamples {
  int interfaces = 0;    // what the apply enumerated
  size_t writes = 0;     // its SetKeyValue calls, and the floor's triples
  std::vector<double> apply, floor;
  std::vector<double> backup, setKeyValues;  // the apply's two parts, timed apart
};

struct RestoreSamples {
  int interfaces = 0;
  size_t writes = 0;
  std::vector<double> restore, floor;
};

struct NextPathSamples {
  std::vector<double> nextPath, listing;
};

// Sets up benchInterfaces interfaces, applies once untimed (so the keys and values
// exist), then times the apply, its floor and the apply's two parts once each.
// Exits the program with a message when a call of the engine fails.
void RunApplyCase(int benchInterfaces, const std::string& folder, bool alternate, ApplySamples* samples);

// Times RestoreBackupFile of a backup of the interfaces present now, and its floor.
void RunRestoreCase(const std::string& folder, RestoreSamples* samples);

// Times NextBackupPath in a folder holding 001.BCK .. count.BCK, and a bare listing.
void PrepareNextPathFolder(const std::string& folder, int count);
void RunNextPathCase(const std::string& folder, int count, NextPathSamples* samples);

[[noreturn]] void Fail(const std::string& why);

}  // namespace quorvane::bench
