// Start-up cost of Quorvane under Wine: from process start until its main window
// is shown and the program waits for input, side by side with a minimal program
// that shows one window of the same size, or with another build of Quorvane.
//
//   bench_startup QUORVANE_EXE MINIMAL_EXE [--reps N]
//   bench_startup QUORVANE_EXE OTHER_QUORVANE_EXE --against NAME [--reps N]
// (The idle figure comes from the kernel's own accounting: scripts/bench-startup.sh.)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

struct Started {
  PROCESS_INFORMATION process{};
  double seconds = -1;  // until shown and idle; negative when it failed
};

struct WindowSearch {
  DWORD processId;
  bool found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  RECT r;
  if (owner == search->processId && IsWindowVisible(window) && GetWindowRect(window, &r) && r.right - r.left == 714) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

bool VisibleWindowOf(DWORD processId) {
  WindowSearch search{processId, false};
  EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Starts the program and waits until its 714-pixel window is visible and the
// program is idle in its message loop.
Started Start(const std::string& exe) {
  Started started;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + exe + "\"";
  std::string folder = exe.substr(0, exe.find_last_of('\\'));
  double begin = Now();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &started.process))
    return started;
  for (int tries = 0; tries < 2000; ++tries) {
    WaitForInputIdle(started.process.hProcess, 10000);
    if (VisibleWindowOf(started.process.dwProcessId)) {
      started.seconds = Now() - begin;
      return started;
    }
    Sleep(1);
  }
  return started;
}

void Stop(Started& started) {
  if (!started.process.hProcess) return;
  TerminateProcess(started.process.hProcess, 0);
  WaitForSingleObject(started.process.hProcess, 5000);
  CloseHandle(started.process.hThread);
  CloseHandle(started.process.hProcess);
  started.process = {};
  // Wine and the X server take the windows down after the process has ended:
  // the next start would share the machine with that.
  Sleep(300);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_startup QUORVANE_EXE MINIMAL_EXE [--reps N]\n");
    return 2;
  }
  const std::string quorvane = argv[1], minimal = argv[2];
  int reps = 9;
  std::string against;  // the second program is another Quorvane, by this name
  for (int i = 3; i + 1 < argc; i += 2) {
    if (std::string(argv[i]) == "--reps") reps = std::max(1, std::atoi(argv[i + 1]));
    if (std::string(argv[i]) == "--against") against = argv[i + 1];
  }

  std::vector<double> ours, floor, ratios, differences;
  for (int rep = 0; rep < reps + 1; ++rep) {  // the first pair warms the caches and is dropped
    // Which goes first alternates: a program started while the last one is
    // still being taken down starts slower.
    Started a, b;
    if (rep % 2 == 0) {
      a = Start(quorvane);
      Stop(a);
      b = Start(minimal);
      Stop(b);
    } else {
      b = Start(minimal);
      Stop(b);
      a = Start(quorvane);
      Stop(a);
    }
    if (a.seconds < 0 || b.seconds < 0) {
      std::fprintf(stderr, "bench_startup: a program did not show its window\n");
      return 1;
    }
    if (rep == 0) continue;
    ours.push_back(a.seconds * 1000);
    floor.push_back(b.seconds * 1000);
    ratios.push_back(a.seconds / b.seconds);
    differences.push_back((a.seconds - b.seconds) * 1000);
  }
  std::printf("Start-up until the main window is shown and idle, medians of %d runs side by side:\n", reps);
  if (against.empty()) {
    std::printf("  Quorvane %.0f ms, minimal window %.0f ms, ratio %.2f (target at most 1.3)\n", Median(ours),
                Median(floor), Median(ratios));
  } else {
    std::printf("  this build %.1f ms, %s %.1f ms, paired difference %+.1f ms, ratio %.3f\n", Median(ours),
                against.c_str(), Median(floor), Median(differences), Median(ratios));
  }

  return 0;
}
