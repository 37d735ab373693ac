#include "shell/movie/MovieSceneFile.h"

#include "common/FileText.h"

namespace quorvane {

MovieScene LoadSceneFile(const std::string& path, MovieScene (*fallback)(), std::string* error) {
  std::string text;
  error->clear();
  if (ReadBoundedFileText(path, kMaxSceneFileBytes, &text, error) != FileRead::Read) return fallback();
  MovieParseResult parsed = ParseMovieScene(text);
  if (parsed.scene) return std::move(*parsed.scene);
  *error = path + ", " + parsed.error;
  return fallback();
}

}  // namespace quorvane
