#include <doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../optimizer/tcpip_fixture.h"
#include "shell/movie/MovieControl.h"

using namespace quorvane;

namespace {

const char* const kScene =
    "scene 300 200\n"
    "style s face=#101010\n"
    "page *\n"
    "  drag 0 0 300 20 command=IDC_FS_drag\n"
    "  button 200 30 90 20 \"Home\" command=IDC_FS_home\n"
    "page home\n"
    "  button 10 30 90 20 \"Wizard\" command=IDC_FS_wizardmode param=\"p\"\n"
    "  button 10 60 90 20 \"About\" command=IDC_FS_about goto=about\n"
    "page about\n"
    "  button 10 30 90 20 \"Close\" command=IDC_FS_closeAbout goto=home\n";

// A movie in a plain top-level window, recording its commands.
struct MovieHarness {
  HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 0, 0, 320, 220, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  MovieControl movie;
  std::vector<std::string> commands;
  testing::TempFolder folder{"Movie"};

  MovieHarness() {
    REQUIRE(movie.Create(host, 0, 0, 300, 200));
    movie.FSCommand = [this](const std::string& command, const std::string& parameter) {
      commands.push_back(parameter.empty() ? command : command + "(" + parameter + ")");
    };
  }
  ~MovieHarness() { DestroyWindow(host); }

  bool Load(const std::string& text) {
    folder.Touch("scene.swf", text);
    return movie.LoadMovie(0, folder / "scene.swf");
  }
  void Down(int x, int y) { SendMessageA(movie.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
  void Up(int x, int y) { SendMessageA(movie.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
  void Click(int x, int y) {
    Down(x, y);
    Up(x, y);
  }
  void Key(WPARAM key) { SendMessageA(movie.hWnd(), WM_KEYDOWN, key, 0); }
};

using Commands = std::vector<std::string>;

}  // namespace

TEST_CASE("a press raises its command once, on release over the same button") {
  MovieHarness h;
  REQUIRE(h.Load(kScene));
  CHECK(h.movie.CurrentPage() == "home");

  h.Click(20, 35);
  CHECK(h.commands == Commands{"IDC_FS_wizardmode(p)"});

  h.Down(20, 35);
  h.Up(20, 65);  // released over another button: nothing
  h.Click(150, 150);  // no button there
  CHECK(h.commands.size() == 1);

  h.Click(210, 35);  // a shared button works on every page
  CHECK(h.commands.back() == "IDC_FS_home");

  h.Down(100, 5);  // the title area acts on the press itself
  CHECK(h.commands.back() == "IDC_FS_drag");
  h.Up(100, 5);
  CHECK(h.commands.size() == 3);
}

TEST_CASE("buttons turn pages, and _root.home brings the home page back") {
  MovieHarness h;
  REQUIRE(h.Load(kScene));
  h.Click(20, 65);
  CHECK(h.commands == Commands{"IDC_FS_about"});
  CHECK(h.movie.CurrentPage() == "about");
  h.Click(20, 65);  // the about page has nothing there
  CHECK(h.commands.size() == 1);

  h.movie.SetVariable("_root.home", "false");
  h.movie.SetVariable("_root.other", "true");
  CHECK(h.movie.CurrentPage() == "about");
  h.movie.SetVariable("_root.home", "true");
  CHECK(h.movie.CurrentPage() == "home");

  h.Click(20, 65);
  h.Click(20, 35);  // "Close" on the about page turns home again
  CHECK(h.commands == Commands{"IDC_FS_about", "IDC_FS_about", "IDC_FS_closeAbout"});
  CHECK(h.movie.CurrentPage() == "home");
}

TEST_CASE("the keyboard reaches every button but the title area") {
  MovieHarness h;
  REQUIRE(h.Load(kScene));
  SetFocus(h.movie.hWnd());  // handed over by the program, not by a click: on Wizard,
  CHECK(h.movie.FocusedButton() == 0);
  h.Key(VK_RETURN);          // but without the ring Enter presses nothing
  CHECK(h.commands.empty());

  h.Key(VK_DOWN);            // the ring shows, on About
  h.Key(VK_UP);              // Wizard
  h.Key(VK_RETURN);
  h.Key(VK_TAB);     // About
  h.Key(VK_TAB);     // the shared Home: the title area is skipped
  h.Key(VK_RETURN);
  h.Key(VK_UP);      // back to About
  h.Key(VK_SPACE);   // turns to the about page, where the focus starts afresh
  h.Key(VK_TAB);     // Close
  h.Key(VK_RETURN);
  h.Key(VK_UP);      // backwards from nothing wraps round to the last button
  h.Key(VK_RETURN);
  CHECK(h.commands ==
        Commands{"IDC_FS_wizardmode(p)", "IDC_FS_home", "IDC_FS_about", "IDC_FS_closeAbout", "IDC_FS_home"});
}

TEST_CASE("a missing or damaged movie file gives the plain face, and the program runs on") {
  MovieHarness h;
  CHECK_FALSE(h.movie.LoadMovie(0, h.folder / "missing.swf"));
  CHECK(h.movie.LoadError().find("cannot be opened") != std::string::npos);
  CHECK(h.movie.ActiveButtons().size() >= 18);

  CHECK_FALSE(h.Load("scene 300 200\npage home\nbutton 1 1 1 \"x\"\n"));
  CHECK(h.movie.LoadError().find("line 3") != std::string::npos);
  // The plain face's buttons raise commands like any others.
  const MovieButton* wizard = nullptr;
  for (const MovieButton* button : h.movie.ActiveButtons())
    if (button->command == "IDC_FS_wizardmode") wizard = button;
  REQUIRE(wizard);
  h.Click(wizard->rect.x + 2, wizard->rect.y + 2);
  CHECK(h.commands == Commands{"IDC_FS_wizardmode"});

  REQUIRE(h.Load(kScene));  // a good file afterwards replaces the plain face
  CHECK(h.movie.LoadError().empty());
  CHECK(h.movie.ActiveButtons().size() == 4);
}

TEST_CASE("the face paints without a window on screen (WM_PRINTCLIENT)") {
  MovieHarness h;
  REQUIRE(h.Load(kScene));
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 200);
  HGDIOBJ old = SelectObject(memory, bitmap);
  RECT all{0, 0, 300, 200};
  FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SendMessageA(h.movie.hWnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  // The style's face colour shows inside the Wizard button, right of its label.
  CHECK(GetPixel(memory, 85, 40) == RGB(0x10, 0x10, 0x10));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST_CASE("a button and a shape as wide and tall as a file can say still click and paint") {
  MovieHarness h;
  REQUIRE(h.Load("scene 300 200\n"
                 "style s face=#102030,#405060\n"
                 "page home\n"
                 "  fill 0 100 300 100000 #00ff00 to=#0000ff\n"
                 "  button 10 30 100000 20 \"Wide\" command=IDC_FS_wizardmode\n"));
  h.Click(250, 35);
  CHECK(h.commands == Commands{"IDC_FS_wizardmode"});

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 200);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageA(h.movie.hWnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  CHECK(GetPixel(memory, 150, 150) == RGB(0, 255, 0));  // the gradient's top, the rest far below
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}
