// The text the wizard mode window shows for a parameter set: four groups of
// values in tab-separated columns. Pure, no <windows.h>.
#pragma once

#include <string>

#include "optimizer/TcpSettings.h"

namespace quorvane {

std::string BuildModeDescriptionText(const TcpSettings& settings);

}  // namespace quorvane
