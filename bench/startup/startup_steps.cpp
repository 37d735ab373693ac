// Where Quorvane's start-up time goes: the program's own start-up (as src/main.cpp
// runs it) with a QueryPerformanceCounter stamp at each step the main window
// reports, from the process's creation until the shown window has handled every
// message waiting. One line per step: "step<TAB>milliseconds", then "#" lines
// with the number of child windows made and the platform's price of one.
// With --first-shows, then each tool window's first show, from the movie's
// command until the shown window has handled every message waiting (painted):
// "show<TAB>window<TAB>milliseconds".
// scripts/bench-startup.sh runs it several times and prints the medians.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "../probes/bench_timing.h"
#include "shell/ProgramParts.h"
#include "shell/frmMain.h"

using namespace quorvane;
using quorvane::probes::NowMs;

namespace {

// Milliseconds from the process's creation until now, by the system clock.
double MsSinceProcessCreated() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

struct Stamp {
  std::string step;
  double ms;
};

struct Steps {
  std::vector<Stamp> stamps;
  void Mark(const std::string& step) { stamps.push_back({step, NowMs()}); }
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// The platform's own price of one child window: a bare "BUTTON" and "STATIC"
// made and destroyed in a hidden window, the mean of many, in milliseconds.
double BareChildWindowMs() {
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
  constexpr int kCount = 100;
  HWND made[2 * kCount];
  const double start = NowMs();
  for (int i = 0; i < kCount; ++i) {
    made[2 * i] = CreateWindowExA(0, "BUTTON", "Button", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_PUSHBUTTON, 10,
                                  10, 80, 25, parent, nullptr, nullptr, nullptr);
    made[2 * i + 1] = CreateWindowExA(0, "STATIC", "Label", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 10, 40, 80, 25,
                                      parent, nullptr, nullptr, nullptr);
  }
  const double elapsed = NowMs() - start;
  for (HWND window : made) DestroyWindow(window);
  DestroyWindow(parent);
  return elapsed / (2 * kCount);
}

void HandleWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Each tool window shown for the first time, by the command the face sends.
void PrintFirstShows(frmMain& main) {
  const std::pair<const char*, const char*> commands[] = {
      {"IDC_FS_wizardmode", "wizard"},         {"IDC_FS_advancedmode", "advanced wizard"},
      {"IDC_FS_backupmanager", "backup manager"}, {"IDC_FS_pingsettings", "pinger"},
      {"IDC_FS_systemstatus", "system status"},   {"IDC_FS_ramconfiguration", "RAM booster"},
      {"IDC_FS_settings", "start-up options"}};
  for (const auto& [command, name] : commands) {
    const double start = NowMs();
    main.Flash_FSCommand(command, "");
    HandleWaitingMessages();
    std::printf("show\t%s\t%.3f\n", name, NowMs() - start);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const double sinceCreated = MsSinceProcessCreated();
  static Steps steps;
  steps.Mark("start");
  static frmMain main;
  SetMainWindow(&main);
  InstallProgramParts(main);
  steps.Mark("parts installed");
  main.StartupTrace = [](const std::string& step) { steps.Mark(step); };
  main.Load();
  steps.Mark("load returned");
  if (!main.StartedInTray()) main.Show();
  steps.Mark("window shown");
  HandleWaitingMessages();
  steps.Mark("messages handled (idle)");

  // The windows start-up made: the main window's and its tool windows' controls.
  int childWindows = 0;
  EnumChildWindows(main.hWnd(), CountWindow, reinterpret_cast<LPARAM>(&childWindows));
  const double bareChild = BareChildWindowMs();

  const std::vector<Stamp>& stamps = steps.stamps;
  std::printf("process created to WinMain (libraries, runtime)\t%.3f\n", sinceCreated);
  for (size_t i = 1; i < stamps.size(); ++i)
    std::printf("%s\t%.3f\n", stamps[i].step.c_str(), stamps[i].ms - stamps[i - 1].ms);
  std::printf("#child windows of the main window\t%d\n#a bare child window, ms\t%.3f\n", childWindows, bareChild);
  if (std::strstr(GetCommandLineA(), "--first-shows")) PrintFirstShows(main);
  std::fflush(stdout);
  MSG message;
  if (!std::strstr(GetCommandLineA(), "--exit")) {  // bench_startup times it as it times the program
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  ExitProcess(0);  // the main window's unload would end the process the same way
}
