#include "memory/StripChart.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

constexpr COLORREF kPlotColour = RGB(16, 24, 20);
constexpr COLORREF kGridColour = RGB(48, 84, 64);

// Grid rows every this many percent: finer when the scale is zoomed in.
double GridStep(double scaleTop) { return scaleTop > 50 ? 20.0 : 10.0; }

}  // namespace

StripChart::StripChart(Container& container, ControlName name, const TwipsRect& place, COLORREF lineColour,
                       int samplesShown)
    : OwnDrawnControl(container, ControlKind::Custom, std::move(name), place),
      newcolor_(lineColour),
      maxlines_(std::max(2, samplesShown)),
      background_(CreateSolidBrush(kPlotColour)),
      gridPen_(CreatePen(PS_SOLID, 1, kGridColour)),
      linePen_(CreatePen(PS_SOLID, 1, lineColour)),
      gridDc_(nullptr) {}

void StripChart::Setnewcolor(COLORREF colour) {
  if (colour == newcolor_) return;
  newcolor_ = colour;
  linePen_.reset(CreatePen(PS_SOLID, 1, colour));
  RedrawIfShown();
}

void StripChart::Setmaxlines(int count) {
  maxlines_ = std::clamp(count, 2, kMostSamplesKept);
  while (static_cast<int>(samples_.size()) > maxlines_) samples_.pop_front();
  RedrawIfShown();
}

void StripChart::Setzoom(int zoom) {
  zoom = std::clamp(zoom, kStripChartMinZoom, kStripChartMaxZoom);
  if (zoom == zoom_) return;
  zoom_ = zoom;
  RedrawIfShown();
}

void StripChart::Setvalue(double percent) {
  if (std::isnan(percent)) percent = 0;
  samples_.push_back(std::clamp(percent, 0.0, 100.0));
  ++added_;
  if (static_cast<int>(samples_.size()) > maxlines_) samples_.pop_front();
  RedrawIfShown();
}

void StripChart::RedrawIfShown() {
  if (!hWnd() || !IsWindowVisible(hWnd())) return;
  WindowDC windowDc(hWnd());
  if (!windowDc) return;
  RECT client;
  GetClientRect(hWnd(), &client);
  DrawAndCopy(windowDc.get(), client);
  ++paintCount_;
}

StripChart::Scale StripChart::ScaleFor(const RECT& client) const {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  return {client.right - 1.0, client.bottom - 1.0, (width - 1) / static_cast<double>(maxlines_ - 1), ScaleTop(),
          height - 1};
}

int StripChart::Scale::YOf(double percent) const {
  return static_cast<int>(std::lround(bottom - std::min(percent, top) / top * rows));
}

void StripChart::DrawGrid(HDC dc, const RECT& client, int phase) const {
  FillRect(dc, &client, background_.get());
  const Scale scale = ScaleFor(client);
  ScopedSelect pen(dc, gridPen_.get());
  const double gridStep = GridStep(scale.top);
  for (double level = gridStep; level < scale.top; level += gridStep) {
    const int y = scale.YOf(level);
    MoveToEx(dc, client.left, y, nullptr);
    LineTo(dc, client.right, y);
  }
  // Columns sit on every fifth sample ever added, so they move left with the
  // line: the newest sample is `phase` samples right of the nearest column.
  for (int samplesBack = phase;; samplesBack += kStripChartGridSamples) {
    const int x = static_cast<int>(std::lround(scale.right - samplesBack * scale.step));
    if (x < client.left) break;
    MoveToEx(dc, x, client.top, nullptr);
    LineTo(dc, x, client.bottom);
  }
}

HBITMAP StripChart::GridPicture(int phase, const RECT& client) {
  const GridKey key{client.right, client.bottom, zoom_, maxlines_};
  if (!(key == gridKey_)) {
    for (DibSection& grid : grids_) grid = DibSection();
    gridKey_ = key;
  }
  DibSection& grid = grids_[phase];
  if (!grid) {
    grid = DibSection(client.right, client.bottom);
    if (!grid || !gridDc_.get()) return nullptr;
    ScopedSelect selected(gridDc_.get(), grid.Bitmap());
    DrawGrid(gridDc_.get(), client, phase);
  }
  return grid.Bitmap();
}

void StripChart::Draw(HDC dc, const RECT& client) {
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width < 2 || height < 2) {
    FillRect(dc, &client, background_.get());
    return;
  }
  // The grid of this scroll position, drawn once and copied for every sample.
  const int64_t newest = added_ - 1;
  const int phase = static_cast<int>(((newest % kStripChartGridSamples) + kStripChartGridSamples) %
                                     kStripChartGridSamples);
  if (HBITMAP grid = GridPicture(phase, client)) {
    ScopedSelect selected(gridDc_.get(), grid);
    BitBlt(dc, client.left, client.top, width, height, gridDc_.get(), 0, 0, SRCCOPY);
  } else {
    DrawGrid(dc, client, phase);
  }

  if (samples_.empty()) return;
  const Scale scale = ScaleFor(client);
  POINT points[kMostSamplesKept];
  const int count = std::min(static_cast<int>(samples_.size()), kMostSamplesKept);
  const size_t first = samples_.size() - static_cast<size_t>(count);
  for (int i = 0; i < count; ++i)
    points[i] = {static_cast<int>(std::lround(scale.right - (count - 1 - i) * scale.step)),
                 scale.YOf(samples_[first + static_cast<size_t>(i)])};
  ScopedSelect pen(dc, linePen_.get());
  if (count > 1) Polyline(dc, points, count);
  SetPixel(dc, points[count - 1].x, points[count - 1].y, newcolor_);  // Polyline leaves out the last point
}

bool StripChart::HandleWindowMessage(UINT message, WPARAM, LPARAM, LRESULT* result) {
  if (message != WM_PAINT) return false;
  Paint();
  *result = 0;
  return true;
}

void StripChart::Paint() {
  PAINTSTRUCT paint;
  HDC windowDc = BeginPaint(hWnd(), &paint);
  RECT client;
  GetClientRect(hWnd(), &client);
  DrawAndCopy(windowDc, client);
  EndPaint(hWnd(), &paint);
  ++paintCount_;
}

void StripChart::DrawAndCopy(HDC windowDc, const RECT& client) {
  if (client.right <= 0 || client.bottom <= 0) return;
  if (!bufferDc_ || bufferSize_.cx != client.right || bufferSize_.cy != client.bottom) {
    AfterDestroy();
    bufferDc_ = std::make_unique<MemoryDC>(windowDc);
    buffer_.reset(CreateCompatibleBitmap(windowDc, client.right, client.bottom));
    if (bufferDc_->get() && buffer_) bufferDcBitmap_ = SelectObject(bufferDc_->get(), buffer_.get());
    bufferSize_ = {client.right, client.bottom};
  }
  if (!bufferDcBitmap_) {  // out of GDI memory: straight onto the window
    Draw(windowDc, client);
    return;
  }
  Draw(bufferDc_->get(), client);
  BitBlt(windowDc, 0, 0, client.right, client.bottom, bufferDc_->get(), 0, 0, SRCCOPY);
}

void StripChart::AfterDestroy() {
  if (bufferDc_ && bufferDcBitmap_) SelectObject(bufferDc_->get(), bufferDcBitmap_);
  bufferDcBitmap_ = nullptr;
  bufferDc_.reset();
  buffer_.reset();
  bufferSize_ = {0, 0};
}

}  // namespace quorvane
