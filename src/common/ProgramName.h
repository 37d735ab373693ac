// The program's name as people see it: window captions and message box titles.
#pragma once

namespace quorvane {

inline constexpr const char* kProgramName = "Quorvane";

}  // namespace quorvane
