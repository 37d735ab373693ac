// The floors of the start-up benchmark: the least a Win32 program does to show a
// window of the main window's size, then idles in its message loop. Built twice:
// bare, and importing the same system libraries as quorvane.exe
// (QUORVANE_SAME_LIBRARIES), so the difference between the two is what the
// platform charges for those libraries alone. scripts/bench-startup.sh checks that
// the second imports exactly the DLLs the program imports. A third build
// (QUORVANE_DRAWS_TEXT, same libraries) also draws one line of text in Tahoma,
// as any window with a word on it does: the first text pays for Wine's font
// system (the font list, the font files opened), which the others never touch.
#include <windows.h>

#ifdef QUORVANE_SAME_LIBRARIES
#include <commctrl.h>
#include <shellapi.h>
#endif

namespace {
LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
#ifdef QUORVANE_DRAWS_TEXT
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    TextOutA(dc, 20, 20, "Welcome", 7);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(window, &paint);
    return 0;
  }
#endif
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

#ifdef QUORVANE_SAME_LIBRARIES
// One function of each DLL, named so the loader maps the DLL; none is called.
void* const volatile kImported[] = {
    reinterpret_cast<void*>(&RegOpenKeyExA),          // advapi32
    reinterpret_cast<void*>(&GetStockObject),         // gdi32
    reinterpret_cast<void*>(&Shell_NotifyIconA),      // shell32
};
#endif
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef QUORVANE_SAME_LIBRARIES
  (void)kImported[0];
#endif
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "MinimalWindow";
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "MinimalWindow", "Minimal", WS_POPUP | WS_VISIBLE, 100, 100, 714, 499, nullptr,
                                nullptr, instance, nullptr);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
