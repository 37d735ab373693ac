#include "shell/skin/SkinControl.h"

#include "common/FileText.h"
#include "shell/skin/PlainSkin.h"
#include "shell/skin/SkinParser.h"
#include "shell/skin/SkinTarget.h"
#include "shell/skin/SkinnedWindow.h"

namespace quorvane {

SkinControl::SkinControl() : skin_(std::make_shared<const SkinDefinition>(PlainSkin())) {}

bool SkinControl::LoadSkin(const std::string& path) {
  std::string text;
  std::string error;
  std::optional<SkinDefinition> loaded;
  // One byte past the limit tells a file that is too large from one that just fits.
  if (ReadFileText(path, &text, &error, kMaxSkinFileBytes + 1)) {
    SkinParseResult parsed = ParseSkin(text);
    if (parsed.skin)
      loaded = std::move(parsed.skin);
    else
      error = "The skin " + path + " is damaged: " + parsed.error;
  }
  plain_ = !loaded;
  loadError_ = loaded ? std::string() : error;
  skin_ = std::make_shared<const SkinDefinition>(loaded ? std::move(*loaded) : PlainSkin());
  return !plain_;
}

bool SkinControl::ApplySkin(HWND window, const std::string& objectName) {
  std::optional<SkinObject> object = SkinObjectFromName(objectName);
  if (!object) return false;
  SkinTarget target = ClassifySkinTarget(window);
  if (!SkinObjectTakes(*object, target)) return false;
  try {
    return SkinnedWindow::Apply(window, target, *object, skin_);
  } catch (...) {
    return false;  // out of memory: the window keeps its look
  }
}

std::optional<SkinObject> SkinControl::AppliedObject(HWND window) { return SkinnedWindow::ObjectOf(window); }

}  // namespace quorvane
