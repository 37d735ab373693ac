// The strip chart of the status window: percentages (0 to 100) drawn as a line
// that scrolls from right to left, the newest sample at the right edge, over a
// dark plot area with a grid that scrolls with the samples.
//
// Zoom magnifies the bottom of the scale so small loads become readable: the
// plot's top stands for 3000 / zoom percent, so zoom 30 (the least) shows the
// whole 0 to 100 and zoom 100 (the most) shows 0 to 30. A sample above the top
// is drawn at the top edge.
//
// The chart keeps its samples while its window is hidden and paints nothing
// then; shown, it paints when a sample arrives (and when the system asks).
#pragma once

#include <cstdint>
#include <deque>

#include "ui/OwnDrawnControl.h"
#include "ui/ScopedGdi.h"

namespace quorvane {

inline constexpr int kStripChartMinZoom = 30;
inline constexpr int kStripChartMaxZoom = 100;
// A vertical grid line every this many samples.
inline constexpr int kStripChartGridSamples = 5;

class StripChart : public OwnDrawnControl {
 public:
  StripChart(Container& container, ControlName name, const TwipsRect& place, COLORREF lineColour = RGB(0, 255, 0),
             int samplesShown = 30);

  // The line's colour.
  COLORREF newcolor() const { return newcolor_; }
  void Setnewcolor(COLORREF colour);

  // Samples shown across the width, at least 2; older ones are dropped.
  int maxlines() const { return maxlines_; }
  void Setmaxlines(int count);

  // 30 to 100 (kept within); see above.
  int zoom() const { return zoom_; }
  void Setzoom(int zoom);
  // The percentage the plot's top stands for at the current zoom.
  double ScaleTop() const { return 3000.0 / zoom_; }

  // Reading gives the newest sample (0 before the first); writing adds a
  // sample, kept within 0 to 100, as the newest.
  double value() const { return samples_.empty() ? 0.0 : samples_.back(); }
  void Setvalue(double percent);

  const std::deque<double>& Samples() const { return samples_; }
  // How often the window has painted itself (WM_PAINT), for checks on its cost.
  int PaintCount() const { return paintCount_; }

 private:
  const char* WindowClassName() const override { return "QuorvaneStripChart"; }
  void Draw(HDC dc, const RECT& client) override;
  bool HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void AfterDestroy() override;
  void Paint();
  // Redraws now-ish, but only when someone can see it.
  void InvalidateIfShown();

  COLORREF newcolor_;
  int maxlines_;
  int zoom_ = kStripChartMinZoom;
  std::deque<double> samples_;
  int64_t added_ = 0;  // samples ever added: the grid scrolls with it
  int paintCount_ = 0;

  // The picture kept between paints, so a sample costs one draw and one copy;
  // pens and brush made once.
  ScopedBitmap buffer_;
  SIZE bufferSize_{0, 0};
  ScopedBrush background_;
  ScopedPen gridPen_;
  ScopedPen linePen_;
};

}  // namespace quorvane
