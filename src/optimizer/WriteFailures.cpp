#include "optimizer/WriteFailures.h"

namespace quorvane {

const char* RootName(RegRoot root) { return root == RegRoot::CurrentUser ? "HKCU" : "HKLM"; }

std::vector<std::string> WriteFailureLines(const std::vector<WriteFailure>& failures) {
  std::vector<std::string> lines;
  for (const WriteFailure& failure : failures)
    lines.push_back(std::string(RootName(failure.root)) + "\\" + failure.key + " : " +
                    (failure.valueName.empty() ? "(default)" : failure.valueName) + " - " + failure.reason);
  return lines;
}

std::string WriteFailureMessage(const std::vector<WriteFailure>& failures) {
  std::string text = std::to_string(failures.size()) +
                     (failures.size() == 1 ? " value could not be written:" : " values could not be written:");
  // A long list would push the box off the screen; the first ones say enough.
  constexpr size_t kShown = 8;
  const std::vector<std::string> lines = WriteFailureLines(failures);
  for (size_t i = 0; i < lines.size() && i < kShown; ++i) text += "\r\n" + lines[i];
  if (lines.size() > kShown) text += "\r\n... and " + std::to_string(lines.size() - kShown) + " more.";
  return text;
}

}  // namespace quorvane
