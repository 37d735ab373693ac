// The face at the screen's resolution. A scene file is laid out in pixels at 96
// dots per inch; a larger-font screen gets the same face grown by dpi / 96, so
// that it keeps pace with the windows laid out in twips. Pure, no <windows.h>.
#pragma once

#include "shell/movie/MovieScene.h"

namespace quorvane {

// Every place, size and corner of the scene grown from 96 dpi to `dpi`; edges
// that met stay together. Text sizes stay in points: the painter draws them at
// the scene's dpi, so that text is set in the larger font, not stretched.
MovieScene ScaleMovieScene(MovieScene scene, int dpi);

}  // namespace quorvane
