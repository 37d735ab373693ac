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

#include <array>
#include <cstdint>
#include <deque>
#include <memory>

#include "ui/AccessibleServer.h"
#include "ui/DibSection.h"
#include "ui/OwnDrawnControl.h"
#include "ui/ScopedGdi.h"

namespace quorvane {

inline constexpr int kStripChartMinZoom = 30;
inline constexpr int kStripChartMaxZoom = 100;
// A vertical grid line every this many samples.
inline constexpr int kStripChartGridSamples = 5;
// The most samples shown across the width.
inline constexpr int kMostSamplesKept = 1000;

class StripChart : public OwnDrawnControl {
 public:
  StripChart(Container& container, ControlName name, const TwipsRect& place, COLORREF lineColour = RGB(0, 255, 0),
             int samplesShown = 30);

  // The line's colour.
  COLORREF newcolor() const { return newcolor_; }
  void Setnewcolor(COLORREF colour);

  // Samples shown across the width, 2 to 1000; older ones are dropped.
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
  // Replaces the samples (oldest first, the newest kept up to maxlines), as if
  // `added` samples had been added in all: the grid scrolls on from there.
  void SetSamples(const std::deque<double>& samples, int64_t added);
  // How often the window has painted itself (WM_PAINT), for checks on its cost.
  int PaintCount() const { return paintCount_; }

 private:
  const char* WindowClassName() const override { return "QuorvaneStripChart"; }
  // A device context of its own: a sample is drawn at once, without asking
  // Windows for one each time.
  UINT ClassStyle() const override { return CS_DBLCLKS | CS_OWNDC; }
  void Draw(HDC dc, const RECT& client) override;
  // Where samples go in a client area.
  struct Scale {
    double right;   // x of the newest sample
    double bottom;  // y of 0 %
    double step;    // pixels from one sample to the next
    double top;     // the percentage of the top row
    int rows;       // rows from 0 % to the top
    int YOf(double percent) const;
  };
  Scale ScaleFor(const RECT& client) const;
  // The plot area with its grid, the nearest column `phase` samples left of the newest.
  void DrawGrid(HDC dc, const RECT& client, int phase) const;
  // The grid picture of a scroll position, drawn on first use; nullptr without GDI memory.
  const DibSection* GridPicture(int phase, const RECT& client);
  // The scroll position of the grid: how many samples the newest lies right of a column.
  int GridPhase() const;
  // The line's points in a client area, oldest first; returns how many.
  int LinePoints(const RECT& client, POINT* points) const;
  // The picture into the kept pixels: the grid copied, the line drawn pixel by
  // pixel (a GDI call costs more under Wine than the whole line). False when the
  // pixels cannot be had.
  bool DrawPixels(const RECT& client);
  // The same with GDI calls straight onto a device context, when memory is short.
  void DrawWithGdi(HDC dc, const RECT& client);
  bool HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void AfterDestroy() override;
  void ReleaseBuffer();
  // WM_PAINT: the system asks for the picture (shown, uncovered).
  void Paint();
  // Draws into the kept picture and copies it onto the window.
  void DrawAndCopy(HDC windowDc, const RECT& client);
  // A new picture straight away, but only when someone can see it: a sample
  // costs one draw and one copy, without a round through the message queue.
  void RedrawIfShown();

  COLORREF newcolor_;
  int maxlines_;
  int zoom_ = kStripChartMinZoom;
  std::deque<double> samples_;
  int64_t added_ = 0;  // samples ever added: the grid scrolls with it
  int paintCount_ = 0;

  // The picture kept between paints, so a sample costs one draw and one copy;
  // pens and brush made once.
  HDC ownDc_ = nullptr;  // the window's own device context (CS_OWNDC)
  DibSection buffer_;  // declared first: the DC holding it goes first
  std::unique_ptr<MemoryDC> bufferDc_;
  HGDIOBJ bufferDcBitmap_ = nullptr;  // what the memory DC held before the picture
  ScopedBrush background_;
  ScopedPen gridPen_;
  ScopedPen linePen_;
  // One grid picture per scroll position, for this size, zoom and width in samples.
  struct GridKey {
    LONG width = 0, height = 0;
    int zoom = 0, maxlines = 0;
    bool operator==(const GridKey&) const = default;
  };
  GridKey gridKey_;
  std::array<DibSection, kStripChartGridSamples> grids_;
  MemoryDC gridDc_;
  AccessibleServer accessible_;  // what screen readers are told (StripChartAccessible.h)
};

}  // namespace quorvane
