// The one line the home page shows after a change: what was applied or restored,
// where the earlier settings are, and what is left to do. Pure.
#pragma once

#include <cstddef>
#include <string>

namespace quorvane {

// After an apply: what (a mode's name, or the advanced wizard's settings), the
// backup's path and how many writes failed.
std::string AppliedNote(const std::string& what, const std::string& backupPath, size_t notWritten);

// How many of the applied values the running Windows does not use: "3 of these
// values have no effect on Windows 10."; empty for none.
std::string NoEffectNote(size_t count, const std::string& windows);

// After a restore of the file: how many writes failed; notRestored when the file
// was refused and nothing was written.
std::string RestoredNote(const std::string& fileName, size_t notWritten, bool notRestored);

}  // namespace quorvane
