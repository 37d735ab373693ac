#include "shell/skin/SkinDefinition.h"

namespace quorvane {

namespace {

constexpr const char* kObjectNames[kSkinObjectCount] = {"Main",  "NoFrame", "controlForm", "Button",
                                                        "Label", "Frame",   "CheckBox",    "RadioBox"};

}  // namespace

const char* SkinObjectName(SkinObject object) { return kObjectNames[static_cast<std::size_t>(object)]; }

std::optional<SkinObject> SkinObjectFromName(std::string_view name) {
  for (std::size_t i = 0; i < kSkinObjectCount; ++i)
    if (name == kObjectNames[i]) return static_cast<SkinObject>(i);
  return std::nullopt;
}

}  // namespace quorvane
