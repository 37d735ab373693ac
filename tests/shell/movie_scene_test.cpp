#include <doctest.h>

#include "common/FileText.h"
#include "shell/movie/MovieScene.h"
#include "system/ProgramFolder.h"

using namespace quorvane;

TEST_CASE("a scene file is read into pages, styles and buttons") {
  const char* text =
      "# comment\n"
      "scene 700 500 font=\"Verdana\" home=start\r\n"
      "style nav face=#102030,#405060 text=#ffffff radius=4 size=10 bold align=centre\n"
      "page *\n"
      "  fill 0 0 700 500 #000000 to=#111111 radius=3 outline=#222222\n"
      "  drag 0 0 600 40 command=IDC_FS_drag\n"
      "page start\n"
      "  text 10 50 200 20 \"Hello there\" size=12 bold colour=#ff8000 align=right\n"
      "  glyph 10 80 24 24 wand colour=#00ff00\n"
      "  button 10 120 180 30 \"About\" command=IDC_FS_about param=\"x y\" glyph=info style=nav goto=about\n"
      "page about\n"
      "  button 10 120 180 30 \"Back\" command=IDC_FS_closeAbout goto=start\n";
  MovieParseResult parsed = ParseMovieScene(text);
  REQUIRE_MESSAGE(parsed.scene, parsed.error);
  const MovieScene& scene = *parsed.scene;
  CHECK(scene.width == 700);
  CHECK(scene.fontFace == "Verdana");
  CHECK(scene.homePage == "start");
  REQUIRE(scene.styles.size() == 1);
  CHECK(scene.styles[0].faceTop == MovieColour{0x10, 0x20, 0x30});
  CHECK(scene.styles[0].faceBottom == MovieColour{0x40, 0x50, 0x60});
  CHECK(scene.styles[0].bold);
  CHECK(scene.styles[0].align == MovieTextAlign::Centre);
  CHECK(scene.shared.fills.size() == 1);
  CHECK(scene.shared.fills[0].outline == MovieColour{0x22, 0x22, 0x22});
  REQUIRE(scene.shared.buttons.size() == 1);
  CHECK(scene.shared.buttons[0].drag);
  const MoviePage* start = scene.FindPage("start");
  REQUIRE(start);
  CHECK(start->texts[0].text == "Hello there");
  CHECK(start->texts[0].align == MovieTextAlign::Right);
  CHECK(start->order.size() == 2);
  const MovieButton& about = start->buttons[0];
  CHECK(about.rect == MovieRect{10, 120, 180, 30});
  CHECK(about.command == "IDC_FS_about");
  CHECK(about.parameter == "x y");
  CHECK(about.gotoPage == "about");
  CHECK(&scene.StyleFor("nav") == &scene.styles[0]);
}

TEST_CASE("a damaged scene file is rejected whole, naming the line") {
  const std::string head = "scene 700 500\npage home\n";
  struct Case {
    std::string text;
    const char* says;
  };
  const Case cases[] = {
      {"", "no page"},
      {head + "button 1 2 3 4 \"x\" command=quit\n", "line 3: a button's command begins with IDC_FS_"},
      {head + "button 1 2 3 \"x\" command=IDC_FS_home\n", "line 3: expected 5 values"},
      {head + "fill 0 0 10 10 red\n", "line 3: \"red\" is not a colour"},
      {head + "fill 0 0 -1 10 #000000\n", "line 3: a width or height is not positive"},
      {head + "text 0 0 10 10 \"open\n", "line 3: a quoted text has no closing quote"},
      {head + "glyph 0 0 10 10 unicorn\n", "line 3: unknown glyph"},
      {head + "sparkle 1 2\n", "line 3: unknown directive"},
      {"fill 0 0 1 1 #000000\n", "line 1: \"fill\" comes before any page"},
      {head + "button 1 2 3 4 \"x\" command=IDC_FS_home style=none\n", "line 3: unknown style"},
      {head + "button 1 2 3 4 \"x\" command=IDC_FS_home goto=nowhere\n", "line 3: unknown page"},
      {head + "page home\n", "line 3: the page \"home\" comes twice"},
      {"scene 700 500 home=main\npage other\n", "the home page \"main\" does not exist"},
      {head + "text 0 0 10 10 \"x\" colour=#12345\n", "not a colour"},
      // Grown to 144 dpi, 2000000000 would overflow an int.
      {head + "fill 2000000000 0 10 10 #000000\n", "line 3: a position and size are four whole numbers from -100000"},
      {head + "fill 0 0 10 10 #000000 radius=100001\n", "line 3: \"100001\" is not a whole number from -100000"},
      {"scene 100001 500\npage home\n", "line 1: the scene's size is two positive whole numbers up to 100000"},
  };
  for (const Case& c : cases) {
    MovieParseResult parsed = ParseMovieScene(c.text);
    CAPTURE(c.text);
    CAPTURE(parsed.error);
    CHECK_FALSE(parsed.scene);
    CHECK(parsed.error.find(c.says) != std::string::npos);
  }
}

TEST_CASE("the shipped face offers every command a person uses") {
  std::string text, error;
  REQUIRE_MESSAGE(ReadFileText(ProgramFolder() + "\\Quorvane.swf", &text, &error), error);
  MovieParseResult parsed = ParseMovieScene(text);
  REQUIRE_MESSAGE(parsed.scene, parsed.error);
  const MovieScene& scene = *parsed.scene;
  CHECK(scene.width == 709);
  CHECK(scene.height == 513);

  auto offers = [&scene](const std::string& page, const std::string& command) {
    for (const MoviePage* layer : {scene.FindPage(page), &scene.shared})
      for (const MovieButton& button : layer->buttons)
        if (button.command == command) return true;
    return false;
  };
  for (const char* command :
       {"IDC_FS_wizardmode", "IDC_FS_advancedmode", "IDC_FS_backupmanager", "IDC_FS_pingsettings",
        "IDC_FS_systemstatus", "IDC_FS_ramconfiguration", "IDC_FS_settings", "IDC_FS_internetproperties",
        "IDC_FS_systemproperties", "IDC_FS_modemsettings", "IDC_FS_networksettings", "IDC_FS_help", "IDC_FS_about",
        "IDC_FS_home", "IDC_FS_minimize", "IDC_FS_tray", "IDC_FS_close", "IDC_FS_restart", "IDC_FS_drag"}) {
    CAPTURE(command);
    CHECK(offers("home", command));
  }
  CHECK(offers("about", "IDC_FS_closeAbout"));

  // Nothing a person needs lies in the strip the main window does not show, and
  // no two buttons of a page overlap.
  for (const MoviePage& page : scene.pages) {
    std::vector<const MovieButton*> buttons;
    for (const auto& b : page.buttons) buttons.push_back(&b);
    for (const auto& b : scene.shared.buttons) buttons.push_back(&b);
    for (size_t i = 0; i < buttons.size(); ++i) {
      const MovieRect& a = buttons[i]->rect;
      CHECK(a.y >= 38);
      CHECK(a.x >= 1);
      CHECK(a.x + a.width <= scene.width);
      CHECK(a.y + a.height <= scene.height);
      for (size_t j = i + 1; j < buttons.size(); ++j) {
        const MovieRect& b = buttons[j]->rect;
        bool overlap = a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
        CAPTURE(buttons[i]->command);
        CAPTURE(buttons[j]->command);
        CHECK_FALSE(overlap);
      }
    }
  }
}

TEST_CASE("the plain face works without any file") {
  MovieScene plain = PlainMovieScene();
  REQUIRE(plain.FindPage(plain.homePage));
  int commands = 0;
  for (const MovieButton& button : plain.FindPage(plain.homePage)->buttons)
    commands += button.command.rfind("IDC_FS_", 0) == 0;
  CHECK(commands >= 18);
}
