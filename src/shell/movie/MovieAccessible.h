// The movie as screen readers see it (Microsoft Active Accessibility): the face's
// buttons a person can reach now, in Tab order, as push buttons named by their
// captions (or, without one, by their tool-tips), then the texts the face shows,
// as static texts with their words as names.
#pragma once

#include <windows.h>

#include <vector>

#include "shell/movie/MovieControl.h"
#include "ui/AccessibleObject.h"

namespace quorvane {

// One child of the movie's object: a button (an index into ActiveButtons) or a text.
struct MoviePart {
  int button = -1;
  const MovieText* text = nullptr;
};

// The children, in order; child id N is element N - 1.
std::vector<MoviePart> MovieParts(const MovieControl& movie);

// The object answering WM_GETOBJECT for the movie's window, with one reference.
AccessibleObject* NewMovieAccessible(MovieControl& movie, HWND window);

}  // namespace quorvane
