#include <doctest.h>

#include <cmath>
#include <string>

#include "common/FileText.h"
#include "shell/skin/SkinParser.h"
#include "shell/skin/skin_test_support.h"
#include "system/ProgramFolder.h"

using namespace quorvane;

namespace {

std::string WithLineReplaced(std::string text, const std::string& line, const std::string& replacement) {
  size_t at = text.find(line);
  REQUIRE(at != std::string::npos);
  text.replace(at, line.size(), replacement);
  return text;
}

// WCAG relative luminance and contrast ratio.
double Luminance(const SkinColour& colour) {
  auto channel = [](int value) {
    double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.r) + 0.7152 * channel(colour.g) + 0.0722 * channel(colour.b);
}

double Contrast(const SkinColour& a, const SkinColour& b) {
  double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

TEST_CASE("a skin file gives each object its colours, font, border and shape") {
  std::string text = testing::kTestSkin;
  // Windows line ends, comments and blanks are all fine.
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  crlf = WithLineReplaced(crlf, "[Label]", "; labels\r\n  [ Label ]  ");
  crlf = WithLineReplaced(crlf, "text = #008000", "text=#008000\r\nfont = \"MS Sans Serif\"");
  SkinParseResult parsed = ParseSkin(crlf);
  REQUIRE_MESSAGE(parsed.skin, parsed.error);
  const SkinDefinition& skin = *parsed.skin;
  CHECK(skin.name == "Test");

  const SkinLook& main = skin.Look(SkinObject::Main);
  CHECK(main.back == SkinColour{0x10, 0x20, 0x30});
  CHECK(main.shapeRadius == 20);

  const SkinLook& button = skin.Look(SkinObject::Button);
  CHECK(button.face == SkinGradient{{0, 0, 0xc0}, {0, 0, 0xc0}});
  CHECK(button.faceHover.top == SkinColour{0, 0xc0, 0});
  CHECK(button.border == SkinColour{0, 0, 0x60});
  CHECK(button.radius == 6);
  CHECK(button.font == "Tahoma");
  CHECK(button.size == 10);
  CHECK(button.bold);
  CHECK_FALSE(button.back);  // a button's corners show its parent

  CHECK(skin.Look(SkinObject::Label).font == "MS Sans Serif");
  CHECK(skin.Look(SkinObject::Frame).borderWidth == 2);

  // Not given: a radio box's hover, pressed and disabled faces are its face.
  const SkinLook& radio = skin.Look(SkinObject::RadioBox);
  CHECK(radio.faceHover == radio.face);
  CHECK(radio.faceDisabled == radio.face);
  // Not given: a frame tagged "No" has no border; controlForm defaults elsewhere.
  CHECK_FALSE(skin.Look(SkinObject::NoFrame).border);

  SkinParseResult gradient = ParseSkin(WithLineReplaced(testing::kTestSkin, "face = #0000c0", "face = #3b97ec   #1f6fc4"));
  REQUIRE(gradient.skin);
  CHECK(gradient.skin->Look(SkinObject::Button).face == SkinGradient{{0x3b, 0x97, 0xec}, {0x1f, 0x6f, 0xc4}});
  CHECK(gradient.skin->Look(SkinObject::Button).faceDisabled.top == SkinColour{0x80, 0x80, 0x80});
}

TEST_CASE("any fault rejects the whole skin file and says where") {
  const std::string good = testing::kTestSkin;
  struct Damage {
    const char* line;
    const char* replacement;
    const char* reason;
  };
  const Damage damages[] = {
      {"[Label]", "[Labels]", "line 32: unknown section [Labels]"},
      {"[Label]", "[label]", "unknown section [label]"},
      {"[Label]", "[Button]", "[Button] appears twice"},
      {"[Label]", "[Label", "ends with \"]\""},
      {"text = #008000", "colour = #008000", "unknown key \"colour\" in [Label]"},
      {"text = #008000", "text = #008000\ntext = #000000", "\"text\" appears twice in [Label]"},
      {"text = #008000", "text = #00800", "\"text\" in [Label] must be #rrggbb"},
      {"text = #008000", "text = #00g000", "must be #rrggbb"},
      {"text = #008000", "text =", "\"text\" has no value"},
      {"text = #008000", "text #008000", "expected \"key = value\""},
      {"border-width = 2", "border-width = 9", "from 0 to 8"},
      {"border-width = 2", "border-width = -1", "from 0 to 8"},
      {"size = 10", "size = 5", "from 6 to 36"},
      {"radius = 6", "radius = 31", "from 0 to 30"},
      {"shape-radius = 20", "shape-radius = 61", "from 0 to 60"},
      {"bold = yes", "bold = true", "yes or no"},
      {"font = Tahoma", "font = A Font Name Longer Than Windows Allows", "1 to 31 characters"},
      {"font = Tahoma", "font = \"\"", "1 to 31 characters"},
      {"back = #102030", "back = parent", "line 7: \"back\" in [Main] must be a colour (a window has no parent"},
      {"format = 1", "format = 2", "format 2 is not known"},
      {"format = 1", "", "[Skin] does not say its format"},
      {"name = Test", "nom = Test", "unknown key \"nom\" in [Skin]"},
      {"# a skin for the tests", "back = #000000", "line 1: \"back\" stands before any section"},
      {"[Skin]", "[Shape]", "unknown section [Shape]"},
      {"face = #ffffe0", "face = #ffffe0 #000000 #ffffff", "\"#top #bottom\""},
  };
  for (const Damage& damage : damages) {
    std::string replacement = damage.replacement;
    CAPTURE(replacement);
    SkinParseResult parsed = ParseSkin(WithLineReplaced(good, damage.line, damage.replacement));
    CHECK_FALSE(parsed.skin);
    CHECK_MESSAGE(parsed.error.find(damage.reason) != std::string::npos, parsed.error);
  }

  // Not text, empty, cut short in the middle, too large.
  CHECK_FALSE(ParseSkin(std::string("[Skin]\nformat = 1\0\n", 20)).skin);
  CHECK(ParseSkin("").error == "the [Skin] section is missing");
  CHECK_FALSE(ParseSkin(good.substr(0, good.size() / 2)).skin);
  CHECK(ParseSkin(good.substr(0, good.find("[RadioBox]"))).error == "line 49: the file ends without a [RadioBox] section");
  std::string large = good + std::string(kMaxSkinFileBytes, '#');
  CHECK(ParseSkin(large).error.find("larger than a skin") != std::string::npos);
}

TEST_CASE("the skin that ships with the program is whole and readable") {
  std::string text, error;
  REQUIRE_MESSAGE(ReadFileText(ProgramFolder() + "\\QuorvaneMask.skn", &text, &error), error);
  SkinParseResult parsed = ParseSkin(text);
  REQUIRE_MESSAGE(parsed.skin, parsed.error);
  const SkinDefinition& skin = *parsed.skin;
  CHECK(skin.Look(SkinObject::Main).shapeRadius > 0);

  // Text against what lies behind it, at least 4.5 : 1. Controls that show their
  // parent sit on a tool window.
  const SkinColour panel = *skin.Look(SkinObject::ControlForm).back;
  for (SkinObject object : {SkinObject::Label, SkinObject::Frame, SkinObject::CheckBox, SkinObject::RadioBox,
                            SkinObject::ControlForm, SkinObject::Main}) {
    const SkinLook& look = skin.Look(object);
    CAPTURE(SkinObjectName(object));
    CHECK(Contrast(look.text, look.back.value_or(panel)) >= 4.5);
  }
  const SkinLook& button = skin.Look(SkinObject::Button);
  for (const SkinGradient& face : {button.face, button.faceHover, button.facePressed}) {
    CHECK(Contrast(button.text, face.top) >= 4.5);
    CHECK(Contrast(button.text, face.bottom) >= 4.5);
  }
  // Disabled text is quieter, yet still legible.
  CHECK(Contrast(button.textDisabled, button.faceDisabled.bottom) >= 2.5);
  CHECK(Contrast(skin.Look(SkinObject::Label).textDisabled, panel) >= 2.5);
}
