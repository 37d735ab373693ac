// Test helper: looks at Quorvane's main windows from another process.
//   main_window_probe state      prints "windows=N visible=0|1 iconic=0|1 foreground=0|1"
//   main_window_probe minimize   minimises the main window
//   main_window_probe close      asks the main window to close
//   main_window_probe answer     prints the text of a message box titled "Quorvane" and presses its OK
//   main_window_probe squat      takes Quorvane's names (its mutexes and a window of its receiver's
//                                class answering "come back") as another program could, until closed
//   main_window_probe running    status 0 when some process marks itself as a running Quorvane
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

// Quorvane's names, as src/shell/SingleInstance.cpp spells them.
constexpr char kMutexName[] = "Kestavo.Quorvane.MainWindow";
constexpr char kReceiverClass[] = "Kestavo.Quorvane.RunningCopy";
constexpr char kRunningName[] = "Global\\Kestavo.Quorvane.Running";

LRESULT CALLBACK Squatter(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RegisterWindowMessageA("Kestavo.Quorvane.ComeBack")) return reinterpret_cast<LRESULT>(hwnd);
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

int Squat() {
  HANDLE names[] = {CreateMutexA(nullptr, TRUE, kMutexName), CreateMutexA(nullptr, TRUE, kRunningName)};
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Squatter;
  windowClass.lpszClassName = kReceiverClass;
  RegisterClassA(&windowClass);
  if (!names[0] || !names[1] || !CreateWindowA(kReceiverClass, "squatter", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                               nullptr, nullptr, nullptr))
    return 3;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

int Answer() {
  HWND box = FindWindowA("#32770", "Quorvane");
  if (!box) return 2;
  char text[512] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message box's text
  std::printf("%s\n", text);
  return PostMessageA(box, WM_COMMAND, IDOK, 0) ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 1;
  if (std::strcmp(argv[1], "squat") == 0) return Squat();
  if (std::strcmp(argv[1], "answer") == 0) return Answer();
  if (std::strcmp(argv[1], "running") == 0) {
    HANDLE running = OpenMutexA(SYNCHRONIZE, FALSE, kRunningName);
    return running || GetLastError() == ERROR_ACCESS_DENIED ? 0 : 2;
  }
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
