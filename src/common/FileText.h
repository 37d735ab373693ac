// Whole files as text, for the program's data and backup files.
#pragma once

#include <cstddef>
#include <string>

namespace quorvane {

// Reads a file (at most maxBytes of it) into text; false with *error set when it
// cannot be opened or a read fails part way (then text is empty).
bool ReadFileText(const std::string& path, std::string* text, std::string* error,
                  size_t maxBytes = static_cast<size_t>(-1));

enum class FileRead { Read, Failed, TooLarge };

// The same for a data file of bounded size: a file larger than maxBytes is not
// read at all (TooLarge, with *error saying so), so a damaged or planted file
// cannot take the memory.
FileRead ReadBoundedFileText(const std::string& path, size_t maxBytes, std::string* text, std::string* error);

// Creates a new file holding text; an existing file or a link in its place is
// never opened, and a device is refused. A file left half written is removed.
bool WriteNewFileText(const std::string& path, const std::string& text, std::string* error);

}  // namespace quorvane
