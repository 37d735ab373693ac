// Start-up cost of Quorvane under Wine: from process start until its main window
// is shown and the program waits for input, side by side with a minimal program
// that shows one window of the same size, or with another build of Quorvane.
//
//   bench_startup QUORVANE_EXE MINIMAL_EXE [--same-libraries EXE] [--with-text EXE] [--reps N]
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

struct Program {
  std::string name, exe;
  std::vector<double> ms;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: bench_startup QUORVANE_EXE MINIMAL_EXE [--same-libraries EXE] [--with-text EXE] [--against NAME] "
                 "[--reps N]\n");
    return 2;
  }
  std::vector<Program> programs{{"Quorvane", argv[1], {}}, {"minimal window", argv[2], {}}};
  int reps = 9;
  std::string against;  // the second program is another Quorvane, by this name
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--reps") reps = std::max(1, std::atoi(argv[i + 1]));
    if (option == "--against") against = argv[i + 1];
    if (option == "--same-libraries") programs.push_back({"minimal window, same system libraries", argv[i + 1], {}});
    if (option == "--with-text") programs.push_back({"the same, drawing a line of text", argv[i + 1], {}});
  }
  if (!against.empty()) programs[0].name = "this build", programs[1].name = against;

  // Paired ratios of the first program to each other one, round by round.
  std::vector<std::vector<double>> ratios(programs.size()), differences(programs.size());
  const size_t count = programs.size();
  for (int rep = 0; rep < reps + 1; ++rep) {  // the first round warms the caches and is dropped
    // The order turns every round: a program started while the last one is
    // still being taken down starts slower.
    std::vector<double> seconds(count, -1);
    for (size_t k = 0; k < count; ++k) {
      const size_t which = (k + static_cast<size_t>(rep)) % count;
      Started started = Start(programs[which].exe);
      Stop(started);
      seconds[which] = started.seconds;
      if (started.seconds < 0) {
        std::fprintf(stderr, "bench_startup: %s did not show its window\n", programs[which].exe.c_str());
        return 1;
      }
    }
    if (rep == 0) continue;
    for (size_t k = 0; k < count; ++k) {
      programs[k].ms.push_back(seconds[k] * 1000);
      ratios[k].push_back(seconds[0] / seconds[k]);
      differences[k].push_back((seconds[0] - seconds[k]) * 1000);
    }
  }
  std::printf("Start-up until the main window is shown and idle, medians of %d rounds, the programs in turn:\n", reps);
  std::printf("  %-40s %6.1f ms\n", programs[0].name.c_str(), Median(programs[0].ms));
  for (size_t k = 1; k < count; ++k)
    std::printf("  %-40s %6.1f ms   %s: %.2f times this, %+.1f ms\n", programs[k].name.c_str(),
                Median(programs[k].ms), programs[0].name.c_str(), Median(ratios[k]), Median(differences[k]));
  if (against.empty() && count > 2)
    std::printf("  (target: Quorvane at most 1.5 times the minimal window with the same system libraries)\n");
  return 0;
}
