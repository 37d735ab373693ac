// What the benchmark changes in the Wine prefix beyond its own interfaces: the
// optimizer's values and the keys an apply creates. Captured before the first
// apply and put back at the end, so repeated runs start from the same registry.
#pragma once

#include <string>
#include <vector>

namespace quorvane::bench {

class PrefixState {
 public:
  // Backs up the optimizer's values into the folder and notes which of the keys
  // an apply writes do not exist yet. False with *error set when the backup fails.
  bool Capture(const std::string& folder, std::string* error);

  // Restores the values and deletes the keys that did not exist; false with
  // *error set when the restore fails.
  bool PutBack(std::string* error) const;

 private:
  std::string backupPath_;
  std::vector<std::string> newKeys_;  // HKLM or HKCU paths, prefixed by their root
};

}  // namespace quorvane::bench
