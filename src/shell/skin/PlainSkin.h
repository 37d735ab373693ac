// The plain look the skin control falls back to when its file is missing or
// damaged: flat, in the system's own colours and dialog font.
#pragma once

#include "shell/skin/SkinDefinition.h"

namespace quorvane {

SkinDefinition PlainSkin();

}  // namespace quorvane
