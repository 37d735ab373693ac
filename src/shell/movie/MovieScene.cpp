#include "shell/movie/MovieScene.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "shell/movie/MovieGlyphNames.h"

namespace quorvane {

const MoviePage* MovieScene::FindPage(const std::string& name) const {
  for (const MoviePage& page : pages)
    if (page.name == name) return &page;
  return nullptr;
}

const MovieButtonStyle& MovieScene::StyleFor(const std::string& name) const {
  for (const MovieButtonStyle& style : styles)
    if (style.name == name) return style;
  static const MovieButtonStyle plain;
  return styles.empty() ? plain : styles.front();
}

namespace {

struct Token {
  std::string key;    // empty for a positional token
  std::string value;
  bool quoted = false;
};

// Splits a line into words; "quoted text" and key=value or key="quoted value".
bool Tokenize(std::string_view line, std::vector<Token>* tokens, std::string* error) {
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    Token token;
    size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '"' && line[i] != '=') ++i;
    std::string word(line.substr(start, i - start));
    if (i < line.size() && line[i] == '=') {
      token.key = word;
      ++i;
      word.clear();
    }
    if (i < line.size() && line[i] == '"') {
      size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) {
        *error = "a quoted text has no closing quote";
        return false;
      }
      word += std::string(line.substr(i + 1, close - i - 1));
      token.quoted = true;
      i = close + 1;
    } else if (!token.key.empty()) {
      start = i;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
      word = std::string(line.substr(start, i - start));
    }
    token.value = word;
    tokens->push_back(std::move(token));
  }
  return true;
}

// A whole number within kMaxSceneNumber either side of zero.
bool ParseInt(const std::string& text, int* value) {
  const char* end = text.data() + text.size();
  int parsed = 0;
  auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
  if (ec != std::errc() || ptr != end || parsed < -kMaxSceneNumber || parsed > kMaxSceneNumber) return false;
  *value = parsed;
  return true;
}

std::string NumberRange() {
  return " from -" + std::to_string(kMaxSceneNumber) + " to " + std::to_string(kMaxSceneNumber);
}

bool ParseColour(const std::string& text, MovieColour* colour) {
  if (text.size() != 7 || text[0] != '#') return false;
  unsigned value = 0;
  auto [ptr, ec] = std::from_chars(text.data() + 1, text.data() + 7, value, 16);
  if (ec != std::errc() || ptr != text.data() + 7) return false;
  *colour = {static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
  return true;
}

// "#top,#bottom" or one colour for both.
bool ParseGradient(const std::string& text, MovieColour* top, MovieColour* bottom) {
  size_t comma = text.find(',');
  if (comma == std::string::npos) return ParseColour(text, top) && ParseColour(text, bottom);
  return ParseColour(text.substr(0, comma), top) && ParseColour(text.substr(comma + 1), bottom);
}

bool ParseAlign(const std::string& text, MovieTextAlign* align) {
  if (text == "left") *align = MovieTextAlign::Left;
  else if (text == "centre" || text == "center") *align = MovieTextAlign::Centre;
  else if (text == "right") *align = MovieTextAlign::Right;
  else return false;
  return true;
}

class SceneParser {
 public:
  MovieParseResult Parse(std::string_view text) {
    MovieParseResult result;
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      ++lineNumber_;
      if (!ParseLine(line)) {
        result.error = "line " + std::to_string(lineNumber_) + ": " + error_;
        return result;
      }
      start = end + 1;
    }
    if (!Finish()) {
      result.error = error_;
      return result;
    }
    result.scene = std::move(scene_);
    return result;
  }

 private:
  bool Fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  bool ParseLine(std::string_view line) {
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') return true;
    tokens_.clear();
    if (!Tokenize(line, &tokens_, &error_)) return false;
    const std::string directive = tokens_[0].value;
    if (!tokens_[0].key.empty() || tokens_[0].quoted) return Fail("a line begins with a directive");
    if (directive == "scene") return ParseSceneLine();
    if (directive == "style") return ParseStyleLine();
    if (directive == "page") return ParsePageLine();
    if (!page_) return Fail("\"" + directive + "\" comes before any page");
    if (directive == "fill") return ParseFill();
    if (directive == "text") return ParseText();
    if (directive == "glyph") return ParseGlyph();
    if (directive == "button" || directive == "drag") return ParseButton(directive == "drag");
    return Fail("unknown directive \"" + directive + "\"");
  }

  // Positional tokens after the directive, and the key=value ones by key.
  bool Split(size_t positionalCount, std::vector<std::string>* positional, std::map<std::string, Token>* named,
             const std::vector<std::string>& allowedKeys) {
    for (size_t i = 1; i < tokens_.size(); ++i) {
      const Token& token = tokens_[i];
      if (token.key.empty()) {
        // A lone word among the attributes is a flag, such as "bold".
        if (positional->size() == positionalCount) {
          if (std::find(allowedKeys.begin(), allowedKeys.end(), token.value) == allowedKeys.end())
            return Fail("unexpected \"" + token.value + "\"");
          (*named)[token.value] = Token{token.value, "", false};
          continue;
        }
        positional->push_back(token.value);
      } else {
        if (std::find(allowedKeys.begin(), allowedKeys.end(), token.key) == allowedKeys.end())
          return Fail("unknown attribute \"" + token.key + "\"");
        (*named)[token.key] = token;
      }
    }
    if (positional->size() != positionalCount)
      return Fail("expected " + std::to_string(positionalCount) + " values after \"" + tokens_[0].value + "\"");
    return true;
  }

  bool Rect(const std::vector<std::string>& values, MovieRect* rect) {
    if (!ParseInt(values[0], &rect->x) || !ParseInt(values[1], &rect->y) || !ParseInt(values[2], &rect->width) ||
        !ParseInt(values[3], &rect->height))
      return Fail("a position and size are four whole numbers" + NumberRange());
    if (rect->width <= 0 || rect->height <= 0) return Fail("a width or height is not positive");
    return true;
  }

  bool Colour(const std::map<std::string, Token>& named, const char* key, MovieColour* colour) {
    auto found = named.find(key);
    if (found == named.end()) return true;
    if (!ParseColour(found->second.value, colour)) return Fail("\"" + found->second.value + "\" is not a colour #rrggbb");
    return true;
  }

  bool Number(const std::map<std::string, Token>& named, const char* key, int* value) {
    auto found = named.find(key);
    if (found == named.end()) return true;
    if (!ParseInt(found->second.value, value)) return Fail("\"" + found->second.value + "\" is not a whole number" + NumberRange());
    return true;
  }

  bool Align(const std::map<std::string, Token>& named, MovieTextAlign* align) {
    auto found = named.find("align");
    if (found == named.end()) return true;
    if (!ParseAlign(found->second.value, align)) return Fail("align is left, centre or right");
    return true;
  }

  std::string Text(const std::map<std::string, Token>& named, const char* key) {
    auto found = named.find(key);
    return found == named.end() ? std::string() : found->second.value;
  }

  bool ParseSceneLine() {
    std::vector<std::string> values;
    std::map<std::string, Token> named;
    if (!Split(2, &values, &named, {"font", "home"})) return false;
    if (!ParseInt(values[0], &scene_.width) || !ParseInt(values[1], &scene_.height) || scene_.width <= 0 ||
        scene_.height <= 0)
      return Fail("the scene's size is two positive whole numbers up to " + std::to_string(kMaxSceneNumber));
    if (named.count("font")) scene_.fontFace = named["font"].value;
    if (named.count("home")) scene_.homePage = named["home"].value;
    return true;
  }

  bool ParseStyleLine() {
    std::vector<std::string> values;
    std::map<std::string, Token> named;
    if (!Split(1, &values, &named,
               {"face", "hover", "pressed", "outline", "text", "glyph", "radius", "size", "bold", "align"}))
      return false;
    MovieButtonStyle style;
    style.name = values[0];
    auto gradient = [&](const char* key, MovieColour* top, MovieColour* bottom) {
      auto found = named.find(key);
      if (found == named.end()) return true;
      if (!ParseGradient(found->second.value, top, bottom)) return Fail(std::string(key) + " is #top,#bottom");
      return true;
    };
    if (!gradient("face", &style.faceTop, &style.faceBottom) || !gradient("hover", &style.hoverTop, &style.hoverBottom) ||
        !gradient("pressed", &style.pressedTop, &style.pressedBottom) || !Colour(named, "outline", &style.outline) ||
        !Colour(named, "text", &style.text) || !Colour(named, "glyph", &style.glyph) ||
        !Number(named, "radius", &style.radius) || !Number(named, "size", &style.textSize) || !Align(named, &style.align))
      return false;
    style.bold = named.count("bold") > 0;
    scene_.styles.push_back(std::move(style));
    return true;
  }

  bool ParsePageLine() {
    std::vector<std::string> values;
    std::map<std::string, Token> named;
    if (!Split(1, &values, &named, {})) return false;
    if (values[0] == "*") {
      page_ = &scene_.shared;
      return true;
    }
    if (scene_.FindPage(values[0])) return Fail("the page \"" + values[0] + "\" comes twice");
    scene_.pages.push_back(MoviePage{});
    scene_.pages.back().name = values[0];
    page_ = &scene_.pages.back();
    return true;
  }

  bool ParseFill() {
    std::vector<std::string> values;
    std::map<std::string, Token> named;
    if (!Split(5, &values, &named, {"radius", "outline", "to"})) return false;
    MovieFill fill;
    if (!Rect(values, &fill.rect)) return false;
    if (!ParseColour(values[4], &fill.top)) return Fail("\"" + values[4] + "\" is not a colour #rrggbb");
    fill.bottom = fill.top;
    if (!Colour(named, "to", &fill.bottom) || !Number(named, "radius", &fill.radius)) return false;
    if (named.count("outline")) {
      MovieColour outline;
      if (!Colour(named, "outline", &outline)) return false;
      fill.outline = outline;
    }
    page_->order.emplace_back(MoviePage::Kind::Fill, page_->fills.size());
    page_->fills.push_back(fill);
    return true;
  }

  bool ParseText() {
    std::vector<std::string> values;
    std::map<std::string, Token> named;
    if (!Split(5, &values, &named, {"size", "bold", "colour", "align", "var"})) return false;
    MovieText text;
    if (!Rect(values, &text.rect)) return false;
    text.text = values[4];
    if (auto found = named.find("var"); found != named.end()) text.variable = found->second.value;
    if (!Number(named, "size", &text.size) || !Colour(named, "colour", &text.colour) || !Align(named, &text.align))
      return false;
    text.bold = named.count("bold") > 0;
    page_->order.emplace_back(MoviePage::Kind::Text, page_->texts.size());
    page_->texts.push_back(std::move(text));
    return true;
  }

  bool ParseGlyph() {
    std::vector<std::string> values;
    std::map<std::string, Token> named;
    if (!Split(5, &values, &named, {"colour"})) return false;
    MovieGlyph glyph;
    if (!Rect(values, &glyph.rect)) return false;
    glyph.name = values[4];
    if (!IsMovieGlyphName(glyph.name)) return Fail("unknown glyph \"" + glyph.name + "\"");
    if (!Colour(named, "colour", &glyph.colour)) return false;
    page_->order.emplace_back(MoviePage::Kind::Glyph, page_->glyphs.size());
    page_->glyphs.push_back(std::move(glyph));
    return true;
  }

  bool ParseButton(bool drag) {
    std::vector<std::string> values;
    std::map<std::string, Token> named;
    if (!Split(drag ? 4 : 5, &values, &named, {"command", "param", "glyph", "style", "goto", "tip"})) return false;
    MovieButton button;
    if (!Rect(values, &button.rect)) return false;
    button.drag = drag;
    if (!drag) button.label = values[4];
    button.command = Text(named, "command");
    button.parameter = Text(named, "param");
    button.glyph = Text(named, "glyph");
    button.style = Text(named, "style");
    button.gotoPage = Text(named, "goto");
    button.tip = Text(named, "tip");
    if (button.command.rfind("IDC_FS_", 0) != 0) return Fail("a button's command begins with IDC_FS_");
    if (!button.glyph.empty() && !IsMovieGlyphName(button.glyph)) return Fail("unknown glyph \"" + button.glyph + "\"");
    pendingChecks_.push_back({lineNumber_, button.style, button.gotoPage});
    page_->buttons.push_back(std::move(button));
    return true;
  }

  // Styles and pages may be named before they are defined.
  bool Finish() {
    if (scene_.pages.empty()) return Fail("the scene has no page");
    if (!scene_.FindPage(scene_.homePage)) return Fail("the home page \"" + scene_.homePage + "\" does not exist");
    for (const auto& check : pendingChecks_) {
      std::string where = "line " + std::to_string(check.line) + ": ";
      if (!check.style.empty() &&
          std::none_of(scene_.styles.begin(), scene_.styles.end(),
                       [&](const MovieButtonStyle& s) { return s.name == check.style; }))
        return Fail(where + "unknown style \"" + check.style + "\"");
      if (!check.gotoPage.empty() && !scene_.FindPage(check.gotoPage))
        return Fail(where + "unknown page \"" + check.gotoPage + "\"");
    }
    return true;
  }

  struct PendingCheck {
    int line;
    std::string style, gotoPage;
  };

  MovieScene scene_;
  MoviePage* page_ = nullptr;
  std::vector<Token> tokens_;
  std::vector<PendingCheck> pendingChecks_;
  std::string error_;
  int lineNumber_ = 0;
};

}  // namespace

MovieParseResult ParseMovieScene(std::string_view text) {
  return SceneParser().Parse(text);
}

MovieScene PlainMovieScene() {
  // Laid out like the shipped face: the main window shows the scene from y 38 on,
  // and hosted tool windows cover x 232..592, y 157..401, so no button goes there.
  struct PlainButton {
    const char* label;
    const char* command;
    MovieRect rect;
  };
  auto left = [](int row) { return MovieRect{16, 90 + row * 36, 200, 30}; };
  auto below = [](int column, int row) { return MovieRect{232 + column * 186, 420 + row * 36, 174, 30}; };
  auto right = [](int row) { return MovieRect{604, 90 + row * 36, 96, 30}; };
  const PlainButton kButtons[] = {
      {"Wizard Mode", "IDC_FS_wizardmode", left(0)},
      {"Advanced Mode", "IDC_FS_advancedmode", left(1)},
      {"Backup Manager", "IDC_FS_backupmanager", left(2)},
      {"Ping Settings", "IDC_FS_pingsettings", left(3)},
      {"System Status", "IDC_FS_systemstatus", left(4)},
      {"RAM Configuration", "IDC_FS_ramconfiguration", left(5)},
      {"Settings", "IDC_FS_settings", left(6)},
      {"Help", "IDC_FS_help", left(7)},
      {"Home", "IDC_FS_home", left(8)},
      {"Restart Windows", "IDC_FS_restart", left(9)},
      {"Internet Properties", "IDC_FS_internetproperties", below(0, 0)},
      {"System Properties", "IDC_FS_systemproperties", below(1, 0)},
      {"Modem Settings", "IDC_FS_modemsettings", below(0, 1)},
      {"Network Settings", "IDC_FS_networksettings", below(1, 1)},
      {"Minimize", "IDC_FS_minimize", right(0)},
      {"To Tray", "IDC_FS_tray", right(1)},
      {"Close", "IDC_FS_close", right(2)},
  };
  MovieScene scene;
  MovieButtonStyle plain;
  plain.name = "plain";
  plain.faceTop = plain.faceBottom = {212, 208, 200};
  plain.hoverTop = plain.hoverBottom = {228, 226, 220};
  plain.pressedTop = plain.pressedBottom = {190, 186, 178};
  plain.outline = {128, 128, 128};
  plain.text = plain.glyph = {0, 0, 0};
  plain.radius = 0;
  plain.align = MovieTextAlign::Centre;
  scene.styles.push_back(plain);

  MoviePage home;
  home.name = "home";
  home.fills.push_back({{0, 0, scene.width, scene.height}, {236, 233, 216}, {236, 233, 216}, 0, std::nullopt});
  home.order.emplace_back(MoviePage::Kind::Fill, 0);
  home.buttons.push_back({{0, 38, scene.width, 42}, "", "IDC_FS_drag", "", "", "", "", "", true});
  home.texts.push_back({{16, 48, 400, 24}, "Quorvane", 12, true, {0, 0, 0}, MovieTextAlign::Left, ""});
  home.order.emplace_back(MoviePage::Kind::Text, 0);
  for (const PlainButton& button : kButtons)
    home.buttons.push_back({button.rect, button.label, button.command, "", "", "plain", "", "", false});
  scene.pages.push_back(std::move(home));
  return scene;
}

}  // namespace quorvane
