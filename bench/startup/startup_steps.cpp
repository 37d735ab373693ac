// Where Quorvane's start-up time goes: the program's own start-up (as src/main.cpp
// runs it) with a QueryPerformanceCounter stamp at each step the main window
// reports, from the process's creation until the shown window has handled every
// message waiting. One line per step: "step<TAB>milliseconds<TAB>private KiB",
// the time and the private memory the step added.
// scripts/bench-startup.sh runs it several times and prints the medians.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell/InstallToolWindows.h"
#include "shell/frmMain.h"

using namespace quorvane;

namespace {

double NowMs() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) * 1000 / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from the process's creation until now, by the system clock.
double MsSinceProcessCreated() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

// The process's private (anonymous) resident memory in KiB, from the Linux
// kernel's figures that Wine shows on drive Z:; 0 outside Wine.
long PrivateKib() {
  FILE* status = std::fopen("Z:\\proc\\self\\status", "r");
  if (!status) return 0;
  char line[256];
  long kib = 0;
  while (std::fgets(line, sizeof line, status))
    if (std::sscanf(line, "RssAnon: %ld", &kib) == 1) break;
  std::fclose(status);
  return kib;
}

struct Stamp {
  std::string step;
  double ms;
  long privateKib;
};

struct Steps {
  std::vector<Stamp> stamps;
  void Mark(const std::string& step) { stamps.push_back({step, NowMs(), PrivateKib()}); }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const double sinceCreated = MsSinceProcessCreated();
  static Steps steps;
  steps.Mark("start");
  static frmMain main;
  SetMainWindow(&main);
  InstallToolWindows(main);
  steps.Mark("tool windows constructed");
  main.StartupTrace = [](const std::string& step) { steps.Mark(step); };
  main.Load();
  steps.Mark("load returned");
  if (!main.StartedInTray()) main.Show();
  steps.Mark("window shown");
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  steps.Mark("messages handled (idle)");

  const std::vector<Stamp>& stamps = steps.stamps;
  std::printf("process created to WinMain (libraries, runtime)\t%.3f\t%ld\n", sinceCreated, stamps[0].privateKib);
  for (size_t i = 1; i < stamps.size(); ++i)
    std::printf("%s\t%.3f\t%ld\n", stamps[i].step.c_str(), stamps[i].ms - stamps[i - 1].ms,
                stamps[i].privateKib - stamps[i - 1].privateKib);
  std::fflush(stdout);
  if (!std::strstr(GetCommandLineA(), "--exit")) {  // bench_startup times it as it times the program
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  ExitProcess(0);  // the main window's unload would end the process the same way
}
