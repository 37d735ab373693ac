// Cost of one strip chart sample, painted on screen, against the floor: a bare
// BitBlt of the chart's size from a memory bitmap onto the same window. Run
// side by side in every repetition on a shared machine; medians and the ratio.
//   bench_chart [--reps N] [--samples N]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "../probes/bench_timing.h"
#include "memory/StripChart.h"
#include "ui/Form.h"
#include "ui/MessageLoop.h"

using namespace quorvane;
using quorvane::probes::Median;
using quorvane::probes::NowMicroseconds;

namespace {

// The chart at its size in the status window, on a form of its own.
struct ChartForm : Form {
  ChartForm() : Form("frmBenchChart", "Chart", {2700, 1500}, FormOptions{.border = FormBorder::None}) {}
  StripChart chart{*this, "histBench", {120, 120, 2280, 1065}};
};

}  // namespace

int main(int argc, char** argv) {
  int reps = 15;
  int samples = 300;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--reps")) reps = std::atoi(argv[i + 1]);
    if (!std::strcmp(argv[i], "--samples")) samples = std::atoi(argv[i + 1]);
  }
  ChartForm form;
  form.Load();
  ShowWindow(form.hWnd(), SW_SHOWNA);
  StripChart& chart = form.chart;
  HWND window = chart.hWnd();
  for (int i = 0; i < 60; ++i) chart.Setvalue(50 + 40 * ((i * 7919) % 13) / 13.0);  // a full, ragged line
  DoEvents();
  RECT client;
  GetClientRect(window, &client);

  HDC windowDc = GetDC(window);
  HDC memory = CreateCompatibleDC(windowDc);
  HBITMAP bitmap = CreateCompatibleBitmap(windowDc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PatBlt(memory, 0, 0, client.right, client.bottom, BLACKNESS);

  std::vector<double> painted, bare, drawing, gettingDc;
  for (int rep = 0; rep < reps; ++rep) {
    double start = NowMicroseconds();
    for (int i = 0; i < samples; ++i) chart.Setvalue((i * 37) % 101);  // draws and copies onto the window
    GdiFlush();
    painted.push_back((NowMicroseconds() - start) / samples);

    start = NowMicroseconds();
    for (int i = 0; i < samples; ++i) BitBlt(windowDc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    GdiFlush();
    bare.push_back((NowMicroseconds() - start) / samples);

    // Where the time goes: the picture alone, and asking for the window's DC.
    start = NowMicroseconds();
    for (int i = 0; i < samples; ++i) SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), 0);
    GdiFlush();
    drawing.push_back((NowMicroseconds() - start) / samples);
    start = NowMicroseconds();
    for (int i = 0; i < samples; ++i) ReleaseDC(window, GetDC(window));
    gettingDc.push_back((NowMicroseconds() - start) / samples);
  }
  const int paints = chart.PaintCount();
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, windowDc);
  form.Unload();

  std::vector<double> ratios;
  for (int rep = 0; rep < reps; ++rep) ratios.push_back(painted[rep] / bare[rep]);
  std::printf("Chart %ld x %ld pixels, %d samples a repetition, %d repetitions (%d paints)\n", client.right,
              client.bottom, samples, reps, paints);
  std::printf("| a sample painted | bare BitBlt of the chart's size | ratio (median of paired) | target |\n");
  std::printf("| %.1f us | %.1f us | %.2fx | <= 3x |\n", Median(painted), Median(bare), Median(ratios));
  std::printf("of which: drawing the picture %.1f us; GetDC + ReleaseDC of the window %.1f us\n", Median(drawing),
              Median(gettingDc));
  return 0;
}
