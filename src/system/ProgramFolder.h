// The program's own folder: where its data files and the Backups folder live.
#pragma once

#include <string>

namespace quorvane {

// The folder of the running .exe, without a trailing backslash.
std::string ProgramFolder();

// Makes ProgramFolder() answer another folder (tests; empty restores the real one).
void OverrideProgramFolder(const std::string& folder);

// The running program's full path: ProgramFolder(), a backslash and the .exe's name.
std::string ProgramPath();

// ProgramFolder() followed by "\Backups".
std::string BackupsFolder();

}  // namespace quorvane
