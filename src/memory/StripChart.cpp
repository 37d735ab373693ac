#include "memory/StripChart.h"

#include <algorithm>
#include <cmath>
#include <vector>

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
      linePen_(CreatePen(PS_SOLID, 1, lineColour)) {}

void StripChart::Setnewcolor(COLORREF colour) {
  if (colour == newcolor_) return;
  newcolor_ = colour;
  linePen_.reset(CreatePen(PS_SOLID, 1, colour));
  InvalidateIfShown();
}

void StripChart::Setmaxlines(int count) {
  maxlines_ = std::max(2, count);
  while (static_cast<int>(samples_.size()) > maxlines_) samples_.pop_front();
  InvalidateIfShown();
}

void StripChart::Setzoom(int zoom) {
  zoom = std::clamp(zoom, kStripChartMinZoom, kStripChartMaxZoom);
  if (zoom == zoom_) return;
  zoom_ = zoom;
  InvalidateIfShown();
}

void StripChart::Setvalue(double percent) {
  if (std::isnan(percent)) percent = 0;
  samples_.push_back(std::clamp(percent, 0.0, 100.0));
  ++added_;
  if (static_cast<int>(samples_.size()) > maxlines_) samples_.pop_front();
  InvalidateIfShown();
}

void StripChart::InvalidateIfShown() {
  if (hWnd() && IsWindowVisible(hWnd())) Invalidate();
}

void StripChart::Draw(HDC dc, const RECT& client) {
  FillRect(dc, &client, background_.get());
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width < 2 || height < 2) return;
  const double right = client.right - 1;
  const double bottom = client.bottom - 1;
  const double step = (width - 1) / static_cast<double>(maxlines_ - 1);  // pixels per sample
  const double top = ScaleTop();
  auto yOf = [&](double percent) {
    return static_cast<int>(std::lround(bottom - std::min(percent, top) / top * (height - 1)));
  };

  ScopedSelect pen(dc, gridPen_.get());
  const double gridStep = GridStep(top);
  for (double level = gridStep; level < top; level += gridStep) {
    const int y = yOf(level);
    MoveToEx(dc, client.left, y, nullptr);
    LineTo(dc, client.right, y);
  }
  // Columns sit on every fifth sample ever added, so they move left with the line.
  const int64_t newest = added_ - 1;
  int64_t column = newest - ((newest % kStripChartGridSamples) + kStripChartGridSamples) % kStripChartGridSamples;
  for (;; column -= kStripChartGridSamples) {
    const int x = static_cast<int>(std::lround(right - (newest - column) * step));
    if (x < client.left) break;
    MoveToEx(dc, x, client.top, nullptr);
    LineTo(dc, x, client.bottom);
  }

  if (samples_.empty()) return;
  std::vector<POINT> points;
  points.reserve(samples_.size());
  const int count = static_cast<int>(samples_.size());
  for (int i = 0; i < count; ++i)
    points.push_back({static_cast<int>(std::lround(right - (count - 1 - i) * step)), yOf(samples_[i])});
  SelectObject(dc, linePen_.get());
  if (count == 1) {
    SetPixel(dc, points[0].x, points[0].y, newcolor_);
  } else {
    Polyline(dc, points.data(), count);
    SetPixel(dc, points.back().x, points.back().y, newcolor_);  // Polyline leaves out the last point
  }
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
  if (client.right > 0 && client.bottom > 0) {
    if (!buffer_ || bufferSize_.cx != client.right || bufferSize_.cy != client.bottom) {
      buffer_.reset(CreateCompatibleBitmap(windowDc, client.right, client.bottom));
      bufferSize_ = {client.right, client.bottom};
    }
    MemoryDC memory(windowDc);
    if (buffer_ && memory.get()) {
      ScopedSelect selected(memory.get(), buffer_.get());
      Draw(memory.get(), client);
      BitBlt(windowDc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    } else {
      Draw(windowDc, client);
    }
  }
  EndPaint(hWnd(), &paint);
  ++paintCount_;
}

void StripChart::AfterDestroy() {
  buffer_.reset();
  bufferSize_ = {0, 0};
}

}  // namespace quorvane
