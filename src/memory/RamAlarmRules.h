// The rules of the RAM configuration's input boxes and of one alarm check.
// Pure logic, no <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

inline constexpr int kMostMegabytesPerPass = 1000;
inline constexpr int kMostProcessorLimit = 100;
inline constexpr int kLeastCheckIntervalMs = 100;
inline constexpr int kMostCheckIntervalMs = 65535;
inline constexpr int kMostFreeingPasses = 20;
// After an alarm that freed memory, automatic freeing rests this long.
inline constexpr uint32_t kFreeingRestMs = 60000;

// The boxes take digits only (common/NumberText's BoxWholeNumber).

// The alarm level in megabytes: at least 0 and small enough for its 32-bit
// count; nothing otherwise (the box then gets the last level back). Save and
// loading also want it below the installed memory.
std::optional<int32_t> AlarmLevelFromText(std::string_view text);

// Megabytes to free per pass: from 0 to 1000; nothing otherwise.
std::optional<int32_t> FreeAmountFromText(std::string_view text);

// May automatic freeing run at this processor usage? A limit of 0 means no
// limit; a failed reading (-1) always passes.
constexpr bool ProcessorAllowsFreeing(int limit, int usage) { return limit == 0 || limit > usage; }

}  // namespace quorvane
