// A scene file as the movie and the splash read it, grown to the larger-font
// resolutions (UBSan catches an overflow), and the hit tests a mouse makes on
// what it accepts: each button is hit at its own top left corner when that lies
// on the scene.
#include <cstdio>
#include <cstdlib>

#include "shell/movie/MovieScene.h"
#include "shell/movie/MovieSceneScale.h"

using namespace quorvane;

namespace {

void CheckPage(const MovieScene& scene, const MoviePage& page) {
  for (const MovieButton& button : page.buttons) {
    const MovieRect& r = button.rect;
    // Every rectangle is hit-tested; only a corner on the scene is where a mouse can be.
    const bool onScene = r.x >= 0 && r.y >= 0 && r.x < scene.width && r.y < scene.height;
    if (!r.Contains(r.x, r.y) && onScene) {
      std::fprintf(stderr, "a button misses its own corner: %d,%d %dx%d\n", r.x, r.y, r.width, r.height);
      std::abort();
    }
    scene.StyleFor(button.style);
    scene.FindPage(button.gotoPage);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MovieParseResult result = ParseMovieScene({reinterpret_cast<const char*>(data), size});
  if (!result.scene) return 0;
  for (int dpi : {96, 120, 144, 192}) {
    const MovieScene scene = ScaleMovieScene(*result.scene, dpi);
    CheckPage(scene, scene.shared);
    for (const MoviePage& page : scene.pages) CheckPage(scene, page);
  }
  return 0;
}
