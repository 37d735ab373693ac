// Whole files as text, for the program's data and backup files.
#pragma once

#include <cstddef>
#include <string>

namespace quorvane {

// Reads a file (at most maxBytes of it) into text; false with *error set when it
// cannot be opened or a read fails part way (then text is empty).
bool ReadFileText(const std::string& path, std::string* text, std::string* error,
                  size_t maxBytes = static_cast<size_t>(-1));

}  // namespace quorvane
