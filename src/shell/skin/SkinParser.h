// Reads a skin file's text (docs/skin-format.md) into a SkinDefinition. Any fault
// rejects the whole file, with the line and the reason. Pure logic, no <windows.h>.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "shell/skin/SkinDefinition.h"

namespace quorvane {

// Larger files are not skins; reading stops there.
inline constexpr std::size_t kMaxSkinFileBytes = 64 * 1024;

struct SkinParseResult {
  std::optional<SkinDefinition> skin;
  std::string error;  // "line 7: ..." when skin is empty
};

SkinParseResult ParseSkin(std::string_view text);

}  // namespace quorvane
