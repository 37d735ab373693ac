// What the wizard mode window shows for a parameter set: the value grid, one
// cell per value in two columns, and the note on values the running Windows does
// not use. Pure, no <windows.h>.
#pragma once

#include <string>
#include <vector>

#include "optimizer/TcpSettings.h"
#include "optimizer/ValueSupport.h"

namespace quorvane {

struct ModeGridCell {
  TcpField field;
  const char* name;   // "MSS", "Keep Alive Interval"
  std::string value;  // "536", "True", "Windows default" for a value the mode removes
};

inline constexpr int kModeGridColumns = 2;
inline constexpr int kModeGridCells = 12;

// The twelve cells, row by row.
std::vector<ModeGridCell> ModeGridCells(const TcpSettings& settings);

// The note under the grid: the line of each field the generation does not use,
// one per line; empty when it uses them all or says nothing.
std::string ModeGridNote(WindowsGeneration generation, const std::string& releaseName);

}  // namespace quorvane
