// The main window's face: a scene of pages drawn by the movie control, read from
// the text file "Quorvane.swf" (format: docs/movie-format.md). Pure data and
// parsing, no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// Every number of a scene file (a place, a size, a radius, a text size) lies
// within this many pixels either side of zero: far beyond any screen, and small
// enough that growing it to any dpi up to 9600 stays inside an int.
inline constexpr int kMaxSceneNumber = 100000;

// A scene file is a few kilobytes; a larger one is damaged, and not read.
inline constexpr std::size_t kMaxSceneFileBytes = 256 * 1024;

struct MovieColour {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const MovieColour&) const = default;
};

struct MovieRect {
  int x = 0, y = 0, width = 0, height = 0;
  // Right and bottom edges, held to the int range: a file may give any size.
  int Right() const { return Edge(x, width); }
  int Bottom() const { return Edge(y, height); }
  bool Contains(int px, int py) const { return px >= x && py >= y && px < Right() && py < Bottom(); }
  bool operator==(const MovieRect&) const = default;

 private:
  static int Edge(int start, int length) {
    const int64_t edge = static_cast<int64_t>(start) + length;
    return edge > INT32_MAX ? INT32_MAX : edge < INT32_MIN ? INT32_MIN : static_cast<int>(edge);
  }
};

enum class MovieTextAlign { Left, Centre, Right };

// A filled, optionally rounded and gradient shape with an optional outline.
struct MovieFill {
  MovieRect rect;
  MovieColour top, bottom;  // equal for a plain fill
  int radius = 0;
  std::optional<MovieColour> outline;
};

struct MovieText {
  MovieRect rect;
  std::string text;
  int size = 9;  // points
  bool bold = false;
  MovieColour colour{255, 255, 255};
  MovieTextAlign align = MovieTextAlign::Left;
  std::string variable;  // when set and not empty, the variable's value shows instead of text
};

struct MovieGlyph {
  MovieRect rect;
  std::string name;  // one of the glyphs the control draws (docs/movie-format.md)
  MovieColour colour{255, 255, 255};
};

// The look a button takes: colours of its face, hovered and pressed, and its text.
struct MovieButtonStyle {
  std::string name;
  MovieColour faceTop{60, 90, 130}, faceBottom{40, 60, 95};
  MovieColour hoverTop{80, 120, 170}, hoverBottom{55, 85, 130};
  MovieColour pressedTop{30, 50, 80}, pressedBottom{45, 70, 110};
  MovieColour outline{20, 35, 60};
  MovieColour text{255, 255, 255};
  MovieColour glyph{255, 255, 255};
  int radius = 8;
  int textSize = 9;
  bool bold = false;
  MovieTextAlign align = MovieTextAlign::Left;
};

// Something a person presses: sends its command, and may turn to another page.
// A drag area sends its command as soon as the mouse goes down on it.
struct MovieButton {
  MovieRect rect;
  std::string label;
  std::string command;
  std::string parameter;
  std::string glyph;
  std::string style;  // a MovieButtonStyle name
  std::string gotoPage;
  std::string tip;
  bool drag = false;
};

struct MoviePage {
  std::string name;
  std::vector<MovieFill> fills;
  std::vector<MovieText> texts;
  std::vector<MovieGlyph> glyphs;
  std::vector<MovieButton> buttons;
  // Draw order across the three kinds: (kind, index) pairs.
  enum class Kind { Fill, Text, Glyph };
  std::vector<std::pair<Kind, size_t>> order;
};

struct MovieScene {
  int width = 709, height = 513;
  int dpi = 96;  // places and sizes are pixels at this resolution (MovieSceneScale.h)
  std::string fontFace = "Tahoma";
  std::string homePage = "home";
  MoviePage shared;  // drawn under every page; its buttons work on every page
  std::vector<MoviePage> pages;
  std::vector<MovieButtonStyle> styles;

  const MoviePage* FindPage(const std::string& name) const;
  const MovieButtonStyle& StyleFor(const std::string& name) const;
};

struct MovieParseResult {
  std::optional<MovieScene> scene;
  std::string error;  // "line N: ..." when the file could not be read
};

// Reads a scene file's text. Any fault fails the whole file.
MovieParseResult ParseMovieScene(std::string_view text);

// The plain scene used when the movie file is missing or damaged: every command
// as a plain button on one page.
MovieScene PlainMovieScene();

}  // namespace quorvane
