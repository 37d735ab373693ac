// A scene file read from disk, for the movie and the splash alike.
#pragma once

#include <string>

#include "shell/movie/MovieScene.h"

namespace quorvane {

// The file's scene; when the file is missing or damaged, the fallback scene, with
// *error saying why (empty when the file was loaded).
MovieScene LoadSceneFile(const std::string& path, MovieScene (*fallback)(), std::string* error);

}  // namespace quorvane
