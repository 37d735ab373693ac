#include "shell/skin/SkinParser.h"

#include <bitset>
#include <charconv>

namespace quorvane {

namespace {

constexpr int kFormatVersion = 1;
constexpr std::size_t kMaxFontFace = 31;  // LF_FACESIZE less the terminating zero
constexpr std::size_t kMaxSkinName = 100;

enum class Key {
  Back, Text, TextDisabled, Accent, Border, BorderWidth, Radius,
  Face, FaceHover, FacePressed, FaceDisabled, Font, Size, Bold, ShapeRadius,
  Count
};

struct KeyName {
  Key key;
  const char* name;
};

constexpr KeyName kKeys[] = {
    {Key::Back, "back"},
    {Key::Text, "text"},
    {Key::TextDisabled, "text-disabled"},
    {Key::Accent, "accent"},
    {Key::Border, "border"},
    {Key::BorderWidth, "border-width"},
    {Key::Radius, "radius"},
    {Key::Face, "face"},
    {Key::FaceHover, "face-hover"},
    {Key::FacePressed, "face-pressed"},
    {Key::FaceDisabled, "face-disabled"},
    {Key::Font, "font"},
    {Key::Size, "size"},
    {Key::Bold, "bold"},
    {Key::ShapeRadius, "shape-radius"},
};

std::optional<Key> KeyFromName(std::string_view name) {
  for (const KeyName& entry : kKeys)
    if (name == entry.name) return entry.key;
  return std::nullopt;
}

std::string_view Trim(std::string_view text) {
  const char* blanks = " \t";
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<SkinColour> ParseColour(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  int channels[3];
  for (int i = 0; i < 3; ++i) {
    int high = HexDigit(text[1 + 2 * i]);
    int low = HexDigit(text[2 + 2 * i]);
    if (high < 0 || low < 0) return std::nullopt;
    channels[i] = high * 16 + low;
  }
  return SkinColour{static_cast<std::uint8_t>(channels[0]), static_cast<std::uint8_t>(channels[1]),
                    static_cast<std::uint8_t>(channels[2])};
}

// "#top #bottom", or one colour for a plain face.
std::optional<SkinGradient> ParseGradient(std::string_view text) {
  std::size_t blank = text.find_first_of(" \t");
  if (blank == std::string_view::npos) {
    auto colour = ParseColour(text);
    if (!colour) return std::nullopt;
    return SkinGradient{*colour, *colour};
  }
  auto top = ParseColour(text.substr(0, blank));
  auto bottom = ParseColour(Trim(text.substr(blank)));
  if (!top || !bottom) return std::nullopt;
  return SkinGradient{*top, *bottom};
}

std::optional<int> ParseNumber(std::string_view text, int low, int high) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty() || text[0] == '-') return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

class SkinParser {
 public:
  SkinParseResult Parse(std::string_view text) {
    if (text.size() > kMaxSkinFileBytes) return Fail(0, "the file is larger than a skin can be");
    if (text.find('\0') != std::string_view::npos) return Fail(0, "the file is not text");
    int lineNumber = 0;
    while (!text.empty()) {
      std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
      ++lineNumber;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (!ParseLine(lineNumber, Trim(line))) return std::move(result_);
    }
    return Finish(lineNumber);
  }

 private:
  enum class Section { None, Header, Object };

  SkinParseResult Fail(int lineNumber, const std::string& reason) {
    Reject(lineNumber, reason);
    return std::move(result_);
  }

  bool ParseLine(int lineNumber, std::string_view line) {
    if (line.empty() || line[0] == '#' || line[0] == ';') return true;
    if (line[0] == '[') return ParseSectionLine(lineNumber, line);
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return Reject(lineNumber, "expected \"key = value\" or \"[section]\"");
    std::string_view key = Trim(line.substr(0, equals));
    std::string_view value = Trim(line.substr(equals + 1));
    if (section_ == Section::None) return Reject(lineNumber, "\"" + std::string(key) + "\" stands before any section");
    if (value.empty()) return Reject(lineNumber, "\"" + std::string(key) + "\" has no value");
    return section_ == Section::Header ? ParseHeaderKey(lineNumber, key, value)
                                       : ParseObjectKey(lineNumber, key, value);
  }

  bool ParseSectionLine(int lineNumber, std::string_view line) {
    if (line.back() != ']') return Reject(lineNumber, "a section name ends with \"]\"");
    std::string_view name = Trim(line.substr(1, line.size() - 2));
    if (name == "Skin") {
      if (headerSeen_) return Reject(lineNumber, "[Skin] appears twice");
      headerSeen_ = true;
      section_ = Section::Header;
      return true;
    }
    auto object = SkinObjectFromName(name);
    if (!object) return Reject(lineNumber, "unknown section [" + std::string(name) + "]");
    std::size_t index = static_cast<std::size_t>(*object);
    if (objectsSeen_[index]) return Reject(lineNumber, "[" + std::string(name) + "] appears twice");
    objectsSeen_[index] = true;
    section_ = Section::Object;
    object_ = *object;
    keysSeen_.reset();
    return true;
  }

  bool ParseHeaderKey(int lineNumber, std::string_view key, std::string_view value) {
    if (key == "format") {
      if (formatSeen_) return Reject(lineNumber, "\"format\" appears twice");
      formatSeen_ = true;
      auto format = ParseNumber(value, 0, 1000);
      if (!format || *format != kFormatVersion)
        return Reject(lineNumber, "format " + std::string(value) + " is not known (this program reads format 1)");
      return true;
    }
    if (key == "name") {
      if (value.size() > kMaxSkinName) return Reject(lineNumber, "the name is longer than 100 characters");
      skin_.name = std::string(value);
      return true;
    }
    return Reject(lineNumber, "unknown key \"" + std::string(key) + "\" in [Skin]");
  }

  bool ParseObjectKey(int lineNumber, std::string_view keyName, std::string_view value) {
    const std::string where = std::string(" in [") + SkinObjectName(object_) + "]";
    auto key = KeyFromName(keyName);
    if (!key) return Reject(lineNumber, "unknown key \"" + std::string(keyName) + "\"" + where);
    std::size_t keyIndex = static_cast<std::size_t>(*key);
    if (keysSeen_[keyIndex]) return Reject(lineNumber, "\"" + std::string(keyName) + "\" appears twice" + where);
    keysSeen_[keyIndex] = true;
    if (*key == Key::FaceHover || *key == Key::FacePressed || *key == Key::FaceDisabled)
      givenFaces_[static_cast<std::size_t>(object_)][keyIndex] = true;

    SkinLook& look = skin_.Look(object_);
    auto bad = [&](const char* expected) {
      return Reject(lineNumber, "\"" + std::string(keyName) + "\"" + where + " must be " + expected + ", not \"" +
                                    std::string(value) + "\"");
    };
    switch (*key) {
      case Key::Back: {
        if (value == "parent") {
          if (IsWindowObject(object_)) return bad("a colour (a window has no parent to show through)");
          look.back.reset();
          return true;
        }
        auto colour = ParseColour(value);
        if (!colour) return bad("#rrggbb or parent");
        look.back = colour;
        return true;
      }
      case Key::Border: {
        if (value == "none") {
          look.border.reset();
          return true;
        }
        auto colour = ParseColour(value);
        if (!colour) return bad("#rrggbb or none");
        look.border = colour;
        return true;
      }
      case Key::Text:
      case Key::TextDisabled:
      case Key::Accent: {
        auto colour = ParseColour(value);
        if (!colour) return bad("#rrggbb");
        (*key == Key::Text ? look.text : *key == Key::TextDisabled ? look.textDisabled : look.accent) = *colour;
        return true;
      }
      case Key::Face:
      case Key::FaceHover:
      case Key::FacePressed:
      case Key::FaceDisabled: {
        auto gradient = ParseGradient(value);
        if (!gradient) return bad("#rrggbb or \"#top #bottom\"");
        SkinGradient& target = *key == Key::Face          ? look.face
                               : *key == Key::FaceHover   ? look.faceHover
                               : *key == Key::FacePressed ? look.facePressed
                                                          : look.faceDisabled;
        target = *gradient;
        return true;
      }
      case Key::BorderWidth: return Number(value, 0, 8, &look.borderWidth) || bad("a whole number from 0 to 8");
      case Key::Radius: return Number(value, 0, 30, &look.radius) || bad("a whole number from 0 to 30");
      case Key::Size: return Number(value, 6, 36, &look.size) || bad("a whole number of points from 6 to 36");
      case Key::ShapeRadius: return Number(value, 0, 60, &look.shapeRadius) || bad("a whole number from 0 to 60");
      case Key::Font: {
        std::string_view face = value;
        if (face.size() >= 2 && face.front() == '"' && face.back() == '"') face = Trim(face.substr(1, face.size() - 2));
        if (face.empty() || face.size() > kMaxFontFace) return bad("a font name of 1 to 31 characters");
        look.font = std::string(face);
        return true;
      }
      case Key::Bold: {
        if (value != "yes" && value != "no") return bad("yes or no");
        look.bold = value == "yes";
        return true;
      }
      case Key::Count: break;
    }
    return bad("a known value");
  }

  static bool Number(std::string_view text, int low, int high, int* target) {
    auto number = ParseNumber(text, low, high);
    if (!number) return false;
    *target = *number;
    return true;
  }

  bool Reject(int lineNumber, const std::string& reason) {
    result_.skin.reset();
    result_.error = lineNumber > 0 ? "line " + std::to_string(lineNumber) + ": " + reason : reason;
    return false;
  }

  SkinParseResult Finish(int lastLine) {
    if (!headerSeen_) return Fail(0, "the [Skin] section is missing");
    if (!formatSeen_) return Fail(0, "[Skin] does not say its format");
    for (std::size_t i = 0; i < kSkinObjectCount; ++i)
      if (!objectsSeen_[i])
        return Fail(lastLine, std::string("the file ends without a [") +
                                  SkinObjectName(static_cast<SkinObject>(i)) + "] section");
    // A face without its own hover, pressed or disabled look keeps the plain face.
    for (std::size_t i = 0; i < kSkinObjectCount; ++i) {
      SkinLook& look = skin_.looks[i];
      const auto& given = givenFaces_[i];
      if (!given[static_cast<std::size_t>(Key::FaceHover)]) look.faceHover = look.face;
      if (!given[static_cast<std::size_t>(Key::FacePressed)]) look.facePressed = look.face;
      if (!given[static_cast<std::size_t>(Key::FaceDisabled)]) look.faceDisabled = look.face;
    }
    result_.skin = std::move(skin_);
    result_.error.clear();
    return std::move(result_);
  }

  SkinDefinition skin_ = DefaultSkin();
  SkinParseResult result_;
  Section section_ = Section::None;
  SkinObject object_ = SkinObject::Main;
  bool headerSeen_ = false;
  bool formatSeen_ = false;
  std::bitset<kSkinObjectCount> objectsSeen_;
  std::bitset<static_cast<std::size_t>(Key::Count)> keysSeen_;
  std::array<std::bitset<static_cast<std::size_t>(Key::Count)>, kSkinObjectCount> givenFaces_;

  // Window objects have a background of their own; controls show their parent's.
  static SkinDefinition DefaultSkin() {
    SkinDefinition skin;
    for (std::size_t i = 0; i < kSkinObjectCount; ++i)
      if (IsWindowObject(static_cast<SkinObject>(i))) skin.looks[i].back = SkinColour{240, 240, 240};
    return skin;
  }
};

}  // namespace

SkinParseResult ParseSkin(std::string_view text) { return SkinParser().Parse(text); }

}  // namespace quorvane
