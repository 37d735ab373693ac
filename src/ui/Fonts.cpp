#include "ui/Fonts.h"

#include <vector>

#include "ui/ScopedGdi.h"
#include "ui/Screen.h"

namespace quorvane {

namespace {

int CALLBACK NoteFaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(const std::string& face) {
  ScreenDC screen;
  LOGFONTA query{};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(query.lfFaceName, face.c_str(), LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExA(screen.get(), &query, &NoteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

HFONT MakeFont(const FontChoice& choice) {
  if (!FaceInstalled(choice.face)) {
    LOGFONTA gui{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    gui.lfHeight = -MulDiv(choice.points, ScreenDpi(), 72);
    gui.lfWidth = 0;
    gui.lfWeight = choice.bold ? FW_BOLD : FW_NORMAL;
    gui.lfItalic = choice.italic;
    gui.lfUnderline = choice.underline;
    return CreateFontIndirectA(&gui);
  }
  LOGFONTA font{};
  font.lfHeight = -MulDiv(choice.points, ScreenDpi(), 72);
  font.lfWeight = choice.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = choice.italic;
  font.lfUnderline = choice.underline;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  lstrcpynA(font.lfFaceName, choice.face.c_str(), LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

struct CachedFont {
  FontChoice choice;
  int dpi;  // the layout's, which a small screen lowers
  ScopedFont font;
};

}  // namespace

HFONT SharedFont(const FontChoice& choice) {
  // Lives until the process ends: controls hold these handles without owning them.
  static std::vector<CachedFont>* cache = new std::vector<CachedFont>;
  for (const CachedFont& cached : *cache)
    if (cached.choice == choice && cached.dpi == ScreenDpi()) return cached.font.get();
  HFONT font = MakeFont(choice);
  if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  cache->push_back({choice, ScreenDpi(), ScopedFont(font)});
  return font;
}

HFONT DialogFont() { return SharedFont(FontChoice{}); }

}  // namespace quorvane
