// A strip chart as screen readers see it: a graphic named after the caption of
// the frame it lies in ("Processor usage (12%)."), its newest sample as its
// value, so the figure the picture shows can be read out.
#pragma once

#include <windows.h>

#include "ui/AccessibleObject.h"

namespace quorvane {

class StripChart;

// The object answering WM_GETOBJECT for the chart's window, with one reference.
AccessibleObject* NewStripChartAccessible(const StripChart& chart, HWND window);

}  // namespace quorvane
