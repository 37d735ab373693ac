// Test helper: looks at Quorvane's main windows from another process.
//   main_window_probe state      prints "windows=N visible=0|1 iconic=0|1 foreground=0|1"
//   main_window_probe minimize   minimises the main window
//   main_window_probe close      asks the main window to close
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Top-level program windows captioned "Quorvane": the main window of each copy.
BOOL CALLBACK Collect(HWND hwnd, LPARAM found) {
  char className[64] = {}, caption[64] = {};
  GetClassNameA(hwnd, className, sizeof className);
  GetWindowTextA(hwnd, caption, sizeof caption);
  if (std::strcmp(className, "QuorvaneForm") == 0 && std::strcmp(caption, "Quorvane") == 0)
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 1;
  std::vector<HWND> windows;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
  HWND main = windows.empty() ? nullptr : windows.front();
  if (std::strcmp(argv[1], "state") == 0) {
    std::printf("windows=%u visible=%d iconic=%d foreground=%d\n", static_cast<unsigned>(windows.size()),
                main && IsWindowVisible(main) ? 1 : 0, main && IsIconic(main) ? 1 : 0,
                main && GetForegroundWindow() == main ? 1 : 0);
    return 0;
  }
  if (!main) return 2;
  if (std::strcmp(argv[1], "minimize") == 0) return ShowWindow(main, SW_MINIMIZE) >= 0 ? 0 : 3;
  if (std::strcmp(argv[1], "close") == 0) return PostMessageA(main, WM_CLOSE, 0, 0) ? 0 : 3;
  return 1;
}
