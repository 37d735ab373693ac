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

HFONT MakeFont(const FontSpec& spec) {
  if (!FaceInstalled(spec.face)) {
    LOGFONTA gui{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    gui.lfHeight = -MulDiv(spec.points, ScreenDpi(), 72);
    gui.lfWidth = 0;
    gui.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    gui.lfItalic = spec.italic;
    gui.lfUnderline = spec.underline;
    return CreateFontIndirectA(&gui);
  }
  LOGFONTA font{};
  font.lfHeight = -MulDiv(spec.points, ScreenDpi(), 72);
  font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = spec.italic;
  font.lfUnderline = spec.underline;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  lstrcpynA(font.lfFaceName, spec.face.c_str(), LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

struct CachedFont {
  FontSpec spec;
  ScopedFont font;
};

}  // namespace

HFONT SharedFont(const FontSpec& spec) {
  // Lives until the process ends: controls hold these handles without owning them.
  static std::vector<CachedFont>* cache = new std::vector<CachedFont>;
  for (const CachedFont& cached : *cache)
    if (cached.spec == spec) return cached.font.get();
  HFONT font = MakeFont(spec);
  if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  cache->push_back({spec, ScopedFont(font)});
  return font;
}

HFONT DialogFont() { return SharedFont(FontSpec{}); }

std::string FontFaceOf(HFONT font) {
  ScreenDC screen;
  ScopedSelect selected(screen.get(), font);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(screen.get(), LF_FACESIZE, face);
  return face;
}

}  // namespace quorvane
