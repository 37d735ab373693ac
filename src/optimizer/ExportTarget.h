// Where an export writes: an ordinary file, never a device, a \\?\ path or a link
// in the file's place; an existing file only when asked to replace it, as
// Windows' own `reg export` does.
#pragma once

#include <string>

namespace quorvane {

enum class ExportWrite { Written, Exists, Refused, Failed };

// Why the path cannot name an ordinary file (a device name such as NUL or
// COM1.reg, a \\?\ or \\.\ path, a stream after a colon); empty when it may.
std::string ExportPathProblem(const std::string& path);

// Writes text to path, with *error saying why not. An existing file is replaced
// only with replace, and then by renaming a new file over it: a link planted in
// its place is replaced, never followed. A target that is a link or a folder is
// refused.
ExportWrite WriteExportFile(const std::string& path, const std::string& text, bool replace, std::string* error);

}  // namespace quorvane
