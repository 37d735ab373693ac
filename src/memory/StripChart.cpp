#include "memory/StripChart.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "memory/StripChartAccessible.h"

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

void StripChart::SetSamples(const std::deque<double>& samples, int64_t added) {
  const size_t kept = std::min(samples.size(), static_cast<size_t>(maxlines_));
  samples_.clear();
  for (auto sample = samples.end() - static_cast<std::ptrdiff_t>(kept); sample != samples.end(); ++sample)
    samples_.push_back(std::isnan(*sample) ? 0.0 : std::clamp(*sample, 0.0, 100.0));
  added_ = added;
  RedrawIfShown();
}

void StripChart::RedrawIfShown() {
  if (!hWnd() || !IsWindowVisible(hWnd())) return;
  if (!ownDc_) ownDc_ = GetDC(hWnd());  // the window's own, kept until it goes
  if (!ownDc_) return;
  RECT client;
  GetClientRect(hWnd(), &client);
  DrawAndCopy(ownDc_, client);
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

const DibSection* StripChart::GridPicture(int phase, const RECT& client) {
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
    GdiFlush();  // its pixels are read directly from here on
  }
  return &grid;
}

int StripChart::GridPhase() const {
  const int64_t newest = added_ - 1;
  return static_cast<int>(((newest % kStripChartGridSamples) + kStripChartGridSamples) % kStripChartGridSamples);
}

int StripChart::LinePoints(const RECT& client, POINT* points) const {
  const Scale scale = ScaleFor(client);
  const int count = std::min(static_cast<int>(samples_.size()), kMostSamplesKept);
  const size_t first = samples_.size() - static_cast<size_t>(count);
  for (int i = 0; i < count; ++i)
    points[i] = {static_cast<int>(std::lround(scale.right - (count - 1 - i) * scale.step)),
                 scale.YOf(samples_[first + static_cast<size_t>(i)])};
  return count;
}

namespace {

// A one-pixel line from a to b, both ends included, as GDI draws a thin pen.
// The ends are kept inside the picture, so no pixel needs a check of its own.
void DrawLinePixels(DibSection& picture, POINT a, POINT b, uint32_t pixel) {
  const int width = picture.Width();
  a.x = std::clamp<int>(a.x, 0, width - 1);
  b.x = std::clamp<int>(b.x, 0, width - 1);
  a.y = std::clamp<int>(a.y, 0, picture.Height() - 1);
  b.y = std::clamp<int>(b.y, 0, picture.Height() - 1);
  const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
  const int stepX = a.x < b.x ? 1 : -1, stepY = a.y < b.y ? width : -width;
  uint32_t* at = &picture.At(a.x, a.y);
  uint32_t* const end = &picture.At(b.x, b.y);
  int error = dx + dy;
  for (;;) {
    *at = pixel;
    if (at == end) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      at += stepX;
    }
    if (twice <= dx) {
      error += dx;
      at += stepY;
    }
  }
}

}  // namespace

bool StripChart::DrawPixels(const RECT& client) {
  if (client.right < 2 || client.bottom < 2 || buffer_.Width() != client.right || buffer_.Height() != client.bottom)
    return false;
  const DibSection* grid = GridPicture(GridPhase(), client);
  if (!grid) return false;
  std::memcpy(buffer_.Row(0), grid->Row(0), static_cast<size_t>(client.right) * client.bottom * sizeof(uint32_t));
  POINT points[kMostSamplesKept];
  const int count = LinePoints(client, points);
  const uint32_t pixel = PixelFromColour(newcolor_);
  for (int i = 1; i < count; ++i) DrawLinePixels(buffer_, points[i - 1], points[i], pixel);
  if (count == 1) DrawLinePixels(buffer_, points[0], points[0], pixel);
  return true;
}

void StripChart::DrawWithGdi(HDC dc, const RECT& client) {
  DrawGrid(dc, client, GridPhase());
  POINT points[kMostSamplesKept];
  const int count = LinePoints(client, points);
  if (count == 0) return;
  ScopedSelect pen(dc, linePen_.get());
  if (count > 1) Polyline(dc, points, count);
  SetPixel(dc, points[count - 1].x, points[count - 1].y, newcolor_);  // Polyline leaves out the last point
}

void StripChart::Draw(HDC dc, const RECT& client) { DrawAndCopy(dc, client); }

bool StripChart::HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_GETOBJECT) {
    auto make = [this](HWND window) { return NewStripChartAccessible(*this, window); };
    return accessible_.Answer(hWnd(), wParam, lParam, make, result);
  }
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
  if (!bufferDc_ || buffer_.Width() != client.right || buffer_.Height() != client.bottom) {
    ReleaseBuffer();
    bufferDc_ = std::make_unique<MemoryDC>(windowDc);
    buffer_ = DibSection(client.right, client.bottom);
    if (bufferDc_->get() && buffer_) bufferDcBitmap_ = SelectObject(bufferDc_->get(), buffer_.Bitmap());
  }
  if (!bufferDcBitmap_ || !DrawPixels(client)) {  // out of GDI memory: straight onto the window
    DrawWithGdi(windowDc, client);
    return;
  }
  BitBlt(windowDc, 0, 0, client.right, client.bottom, bufferDc_->get(), 0, 0, SRCCOPY);
}

void StripChart::AfterDestroy() {
  accessible_.Close();
  ownDc_ = nullptr;
  ReleaseBuffer();
}

void StripChart::ReleaseBuffer() {
  if (bufferDc_ && bufferDcBitmap_) SelectObject(bufferDc_->get(), bufferDcBitmap_);
  bufferDcBitmap_ = nullptr;
  bufferDc_.reset();
  buffer_ = DibSection();
}

}  // namespace quorvane
