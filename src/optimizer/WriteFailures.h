// Registry writes of an apply or a restore that did not go in, and how they are
// told to a person. Pure, no <windows.h>.
#pragma once

#include <string>
#include <vector>

#include "optimizer/RegistryLayout.h"

namespace quorvane {

struct WriteFailure {
  RegRoot root;
  std::string key;
  std::string valueName;  // empty: the key's default value
  std::string reason;     // the system's words
};

// "HKLM" or "HKCU".
const char* RootName(RegRoot root);

// One line per failure: "HKLM\<key> : <name> - <reason>".
std::vector<std::string> WriteFailureLines(const std::vector<WriteFailure>& failures);

// The message for a window: how many values were not written, and which.
std::string WriteFailureMessage(const std::vector<WriteFailure>& failures);

}  // namespace quorvane
