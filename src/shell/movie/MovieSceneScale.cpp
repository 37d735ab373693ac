#include "shell/movie/MovieSceneScale.h"

#include "ui/Twips.h"

namespace quorvane {

namespace {

class Scaler {
 public:
  explicit Scaler(int dpi) : dpi_(dpi) {}

  int operator()(int designPixels) const { return ScaleDesignPixels(designPixels, dpi_); }

  // Edges scale, not sizes, so neighbouring shapes neither overlap nor part.
  void Rect(MovieRect& rect) const {
    const int left = (*this)(rect.x), top = (*this)(rect.y);
    rect.width = (*this)(rect.Right()) - left;
    rect.height = (*this)(rect.Bottom()) - top;
    rect.x = left;
    rect.y = top;
  }

  void Page(MoviePage& page) const {
    for (MovieFill& fill : page.fills) {
      Rect(fill.rect);
      fill.radius = (*this)(fill.radius);
    }
    for (MovieText& text : page.texts) Rect(text.rect);
    for (MovieGlyph& glyph : page.glyphs) Rect(glyph.rect);
    for (MovieButton& button : page.buttons) Rect(button.rect);
  }

 private:
  int dpi_;
};

}  // namespace

MovieScene ScaleMovieScene(MovieScene scene, int dpi) {
  if (dpi <= 0 || dpi == scene.dpi) return scene;
  const Scaler scale(dpi);
  scene.width = scale(scene.width);
  scene.height = scale(scene.height);
  scene.dpi = dpi;
  scale.Page(scene.shared);
  for (MoviePage& page : scene.pages) scale.Page(page);
  for (MovieButtonStyle& style : scene.styles) style.radius = scale(style.radius);
  return scene;
}

}  // namespace quorvane
