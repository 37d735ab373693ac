#include "shell/splash/SplashControl.h"

#include <algorithm>

#include "shell/movie/MovieSceneFile.h"

namespace quorvane {

MovieScene SplashControl::PlainSplashScene() {
  MovieScene scene;
  scene.width = 360;
  scene.height = 140;
  MoviePage page;
  page.name = scene.homePage;
  page.fills.push_back({{0, 0, 360, 140}, {236, 233, 216}, {236, 233, 216}, 0, MovieColour{128, 128, 128}});
  page.texts.push_back({{0, 50, 360, 40}, "Quorvane", 16, true, {0, 0, 0}, MovieTextAlign::Centre, ""});
  page.order = {{MoviePage::Kind::Fill, 0}, {MoviePage::Kind::Text, 0}};
  scene.pages.push_back(std::move(page));
  return scene;
}

bool SplashControl::Load(const std::string& path) {
  scene_ = LoadSceneFile(path, &PlainSplashScene, &loadError_);
  if (hWnd()) InvalidateRect(hWnd(), nullptr, FALSE);
  return loadError_.empty();
}

void SplashControl::Start(int /*mode*/) {
  if (hWnd()) return;
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  CreateParams params;
  params.className = "QuorvaneSplash";
  params.style = WS_POPUP;
  params.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  // Never larger than the screen, whatever the file says.
  params.width = std::min<int>(scene_.width, work.right - work.left);
  params.height = std::min<int>(scene_.height, work.bottom - work.top);
  params.x = work.left + (work.right - work.left - params.width) / 2;
  params.y = work.top + (work.bottom - work.top - params.height) / 2;
  if (!CreateHandle(params)) return;
  ShowWindow(hWnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(hWnd());  // start-up keeps the thread busy: paint now
}

void SplashControl::Dismiss() {
  if (hWnd()) DestroyHandle();
}

void SplashControl::OnPaint(HDC dc, const RECT& /*client*/) {
  if (const MoviePage* page = scene_.FindPage(scene_.homePage)) painter_.PaintBackground(dc, scene_, *page, {});
}

}  // namespace quorvane
