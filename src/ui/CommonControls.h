// Registers the common control classes (list view, trackbar, up-down, tooltips)
// once per process, before the first form makes its controls.
#pragma once

namespace quorvane {

void EnsureCommonControls();

}  // namespace quorvane
