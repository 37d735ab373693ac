// The one line the home page shows after a change: what was applied or restored,
// where the earlier settings are, and what is left to do. Pure.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quorvane {

// After an apply: what (a mode's name, or the advanced wizard's settings), the
// backup's path and how many writes failed.
std::string AppliedNote(const std::string& what, const std::string& backupPath, size_t notWritten);

// How many of the applied values the running Windows does not use: "3 of these
// values have no effect on Windows 10."; empty for none.
std::string NoEffectNote(size_t count, const std::string& windows);

// The question before restoring the file: how many values it changes, the
// backup taken first, and the adapter keys skipped as not on this machine.
std::string RestoreQuestion(const std::string& fileName, int valuesToChange, const std::string& backupPath,
                            const std::vector<std::string>& skippedKeys);

// After a restore of the file: where the values before it are, how many writes
// failed; notRestored when nothing was written.
std::string RestoredNote(const std::string& fileName, const std::string& backupPath, size_t notWritten,
                         bool notRestored);

}  // namespace quorvane
