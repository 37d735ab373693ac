#include <doctest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "memory/StripChart.h"
#include "ui/DibSection.h"
#include "ui/Form.h"
#include "ui/ui_test_support.h"

using namespace quorvane;

namespace {

constexpr uint32_t kGreen = 0x00FF00;

// A chart of 100 x 61 pixels alone on a form.
struct ChartForm : Form {
  ChartForm() : Form("frmChart", "Chart", {3000, 1500}, FormOptions{.border = FormBorder::None}) {}
  StripChart chart{*this, "histTest", {0, 0, 1500, 915}, RGB(0, 255, 0), 11};
};

// The chart's picture as its window draws it.
DibSection Picture(StripChart& chart) {
  DibSection picture(100, 61);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture.Bitmap());
  SendMessageA(chart.hWnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  SelectObject(dc, old);
  DeleteDC(dc);
  return picture;
}

uint32_t Rgb(const DibSection& picture, int x, int y) { return picture.At(x, y) & 0xFFFFFF; }

}  // namespace

TEST_CASE("the chart draws its newest sample at the right, scaled by zoom, over maxlines samples") {
  ChartForm form;
  testing::ShowQuietly(form);
  StripChart& chart = form.chart;
  REQUIRE(chart.PixelBounds().width == 100);
  REQUIRE(chart.PixelBounds().height == 61);

  CHECK(chart.value() == 0);
  chart.Setvalue(150);
  CHECK(chart.value() == 100);  // kept within 0 to 100
  chart.Setvalue(-3);
  CHECK(chart.value() == 0);
  chart.Setvalue(15);
  CHECK(chart.value() == 15);

  // zoom 30: the whole scale, 15 % sits 15 % up from the bottom row (60)
  DibSection whole = Picture(chart);
  CHECK(Rgb(whole, 99, 51) == kGreen);
  CHECK(Rgb(whole, 99, 30) != kGreen);

  // zoom 100: the top stands for 30 %, so 15 % is half way up
  chart.Setzoom(100);
  DibSection zoomed = Picture(chart);
  CHECK(Rgb(zoomed, 99, 30) == kGreen);
  CHECK(Rgb(zoomed, 99, 51) != kGreen);
  chart.Setzoom(500);
  CHECK(chart.zoom() == 100);
  chart.Setzoom(1);
  CHECK(chart.zoom() == 30);

  // 11 samples across 100 pixels: one every 9.9; the sample before the
  // newest (0 %) lies on the bottom row 10 pixels to the left
  CHECK(Rgb(whole, 89, 60) == kGreen);
  // two shown: the older of the two at the left edge, the rest dropped
  chart.Setvalue(50);
  chart.Setmaxlines(2);
  CHECK(chart.Samples().size() == 2);
  DibSection two = Picture(chart);
  CHECK(Rgb(two, 0, 51) == kGreen);
  CHECK(Rgb(two, 99, 30) == kGreen);
  bool joined = false;  // a line between them, no gap
  for (int y = 38; y <= 42; ++y) joined = joined || Rgb(two, 50, y) == kGreen;
  CHECK(joined);
  form.Unload();
}

TEST_CASE("a hidden chart keeps its samples and paints nothing; shown, it paints once per sample") {
  ChartForm form;
  form.Load();
  StripChart& chart = form.chart;
  for (int i = 0; i < 5; ++i) chart.Setvalue(i * 10);
  testing::PumpUntil([] { return false; }, 50);
  CHECK(chart.PaintCount() == 0);
  CHECK(chart.Samples().size() == 5);

  ShowWindow(form.hWnd(), SW_SHOWNA);
  REQUIRE(testing::PumpUntil([&] { return chart.PaintCount() > 0; }));
  testing::PumpUntil([] { return false; }, 50);
  const int shown = chart.PaintCount();
  chart.Setvalue(70);
  REQUIRE(testing::PumpUntil([&] { return chart.PaintCount() > shown; }));
  testing::PumpUntil([] { return false; }, 100);
  CHECK(chart.PaintCount() == shown + 1);
  CHECK(Rgb(Picture(chart), 99, 18) == kGreen);  // 70 % of 60 rows up from row 60
  form.Unload();
}

TEST_CASE("the grid's rows follow the zoom and its columns move left with each sample") {
  ChartForm form;
  testing::ShowQuietly(form);
  StripChart& chart = form.chart;
  const uint32_t plot = Rgb(Picture(chart), 1, 1);
  auto gridColumns = [&](const DibSection& picture) {  // along row 2, above any line here
    std::vector<int> columns;
    for (int x = 0; x < 100; ++x)
      if (Rgb(picture, x, 2) != plot) columns.push_back(x);
    return columns;
  };
  auto gridRow = [&](const DibSection& picture, int y) { return Rgb(picture, 3, y) != plot; };

  // rows every 20 % of the whole scale, every 10 % of the zoomed one
  DibSection whole = Picture(chart);
  CHECK(gridRow(whole, 36));  // 40 %
  CHECK_FALSE(gridRow(whole, 40));
  chart.Setzoom(100);
  DibSection zoomed = Picture(chart);
  CHECK(gridRow(zoomed, 40));  // 10 % of 30
  CHECK_FALSE(gridRow(zoomed, 36));

  chart.Setvalue(0);
  const std::vector<int> before = gridColumns(Picture(chart));
  chart.Setvalue(0);
  const std::vector<int> after = gridColumns(Picture(chart));
  REQUIRE(before.size() >= 2);
  for (int column : {before[before.size() - 2], before.back()}) {  // one sample: 9.9 pixels left
    CAPTURE(column);
    CHECK(std::any_of(after.begin(), after.end(), [&](int x) { return std::abs(x - (column - 10)) <= 1; }));
    CHECK(std::none_of(after.begin(), after.end(), [&](int x) { return x == column; }));
  }
  form.Unload();
}
