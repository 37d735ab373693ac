#include "optimizer/OutcomeNotes.h"

namespace quorvane {

namespace {

constexpr const char* kRestartAdvice = " It takes effect after Windows restarts.";

std::string FileName(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Values(size_t count) { return std::to_string(count) + (count == 1 ? " value" : " values"); }

}  // namespace

std::string AppliedNote(const std::string& what, const std::string& backupPath, size_t notWritten) {
  const std::string backup = " Earlier settings: backup " + FileName(backupPath) + ".";
  if (notWritten) return what + " applied only in part: " + Values(notWritten) + " could not be written." + backup;
  return what + " applied." + backup + kRestartAdvice;
}

std::string NoEffectNote(size_t count, const std::string& windows) {
  if (count == 0) return "";
  return std::to_string(count) + (count == 1 ? " of these values has" : " of these values have") +
         " no effect on " + windows + ".";
}

std::string RestoreQuestion(const std::string& fileName, int valuesToChange, const std::string& backupPath,
                            const std::vector<std::string>& skippedKeys) {
  std::string question = "Restore backup " + fileName + "? ";
  question += valuesToChange ? "It changes " + Values(static_cast<size_t>(valuesToChange)) + "."
                             : "It changes no value: the registry holds what the backup holds.";
  question += "\r\n\r\nWhat is there now is backed up first, as " + FileName(backupPath) + ".";
  if (!skippedKeys.empty()) {
    question += "\r\n\r\nNot on this machine, so left out:";
    for (const std::string& key : skippedKeys) question += "\r\n" + key;
  }
  return question;
}

std::string RestoredNote(const std::string& fileName, const std::string& backupPath, size_t notWritten,
                         bool notRestored) {
  if (notRestored) return "Backup " + fileName + " was not restored; nothing was written.";
  const std::string before = " What was there before is in " + FileName(backupPath) + ".";
  if (notWritten)
    return "Backup " + fileName + " restored only in part: " + Values(notWritten) + " could not be written." + before;
  return "Restored " + fileName + "." + before + kRestartAdvice;
}

}  // namespace quorvane
