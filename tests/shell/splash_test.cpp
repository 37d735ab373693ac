#include <doctest.h>

#include <windows.h>

#include "shell/splash/SplashControl.h"
#include "system/ProgramFolder.h"

using namespace quorvane;

TEST_CASE("the splash shows above everything, centred, until it is dismissed") {
  SplashControl splash;
  CHECK(splash.Load(ProgramFolder() + "\\QuorvaneSpl.spl"));
  CHECK(splash.LoadError().empty());
  splash.Start(0);
  REQUIRE(splash.Showing());
  HWND window = splash.hWnd();
  CHECK(IsWindowVisible(window));
  CHECK((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  RECT r, work;
  GetWindowRect(window, &r);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  CHECK(r.right - r.left == 440);
  CHECK(std::abs((r.left + r.right) - (work.left + work.right)) <= 1);
  CHECK(std::abs((r.top + r.bottom) - (work.top + work.bottom)) <= 1);

  splash.Start(0);  // a second start keeps the one window
  CHECK(splash.hWnd() == window);
  splash.Dismiss();
  CHECK_FALSE(splash.Showing());
  CHECK_FALSE(IsWindow(window));
  splash.Dismiss();
}

TEST_CASE("a missing splash file still gives a splash") {
  SplashControl splash;
  CHECK_FALSE(splash.Load(ProgramFolder() + "\\NoSuchSplash.spl"));
  CHECK_FALSE(splash.LoadError().empty());
  splash.Start(0);
  CHECK(splash.Showing());
  splash.Dismiss();
}

TEST_CASE("the splash is on the screen, painted, as soon as it is started") {
  SplashControl splash;
  splash.Load(ProgramFolder() + "\\QuorvaneSpl.spl");
  splash.Start(0);  // start-up goes on at once: no message is handled here
  REQUIRE(splash.Showing());
  RECT r;
  GetWindowRect(splash.hWnd(), &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC drawn = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(drawn, bitmap);
  SendMessageA(splash.hWnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(drawn), PRF_CLIENT);
  int differing = 0, compared = 0;
  for (int y = 4; y < height; y += height / 8)
    for (int x = 4; x < width; x += width / 8, ++compared)
      if (GetPixel(screen, r.left + x, r.top + y) != GetPixel(drawn, x, y)) ++differing;
  CHECK(differing == 0);
  CHECK(compared >= 49);
  SelectObject(drawn, old);
  DeleteObject(bitmap);
  DeleteDC(drawn);
  ReleaseDC(nullptr, screen);
  splash.Dismiss();
}

TEST_CASE("an oversized splash file, or one of a huge scene, gives a splash no larger than the screen") {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "QuorvaneHugeSplash.spl";
  struct Case {
    std::string text;
    bool loads;
  };
  const Case cases[] = {
      {"scene 100000 100000\npage home\nfill 0 0 100000 100000 #ffffff\n", true},
      {"scene 360 140\npage home\n" + std::string(kMaxSceneFileBytes, '\n'), false},
  };
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  for (const Case& c : cases) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, c.text.data(), static_cast<DWORD>(c.text.size()), &written, nullptr);
    CloseHandle(file);
    SplashControl splash;
    CHECK(splash.Load(path) == c.loads);
    CHECK((splash.LoadError().find("larger than") != std::string::npos) == !c.loads);
    splash.Start(0);
    RECT r;
    GetWindowRect(splash.hWnd(), &r);
    CHECK(r.right - r.left <= work.right - work.left);
    CHECK(r.bottom - r.top <= work.bottom - work.top);
    splash.Dismiss();
  }
  DeleteFileA(path.c_str());
}
