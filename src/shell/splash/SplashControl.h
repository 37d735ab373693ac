// The splash shown while the program starts: a borderless window above all others,
// centred on the screen, drawing the home page of a scene file in the movie format
// ("QuorvaneSpl.spl").
#pragma once

#include <string>

#include "shell/movie/MoviePainter.h"
#include "shell/movie/MovieScene.h"
#include "ui/Window.h"

namespace quorvane {

class SplashControl : public Window {
 public:
  // Reads the splash file; a missing or damaged one gives a plain splash.
  bool Load(const std::string& path);

  // Shows the splash above everything (the start call's argument is always 0).
  void Start(int mode = 0);

  // Closes it; harmless when it is not shown.
  void Dismiss();

  bool Showing() const { return hWnd() != nullptr; }
  const std::string& LoadError() const { return loadError_; }

 protected:
  void OnPaint(HDC dc, const RECT& client) override;

 private:
  MovieScene scene_ = PlainSplashScene();
  std::string loadError_;
  MoviePainter painter_;

  static MovieScene PlainSplashScene();
};

}  // namespace quorvane
