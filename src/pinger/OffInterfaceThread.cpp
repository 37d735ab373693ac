#include "pinger/OffInterfaceThread.h"

#include <windows.h>

#include "ui/MessageLoop.h"

namespace quorvane {

namespace {

DWORD WINAPI RunWork(LPVOID work) {
  (*static_cast<const std::function<void()>*>(work))();
  return 0;
}

bool QuitRequested() {
  MSG message;
  return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

}  // namespace

void RunOffInterfaceThread(const std::function<void()>& work) {
  DWORD threadId = 0;
  HANDLE thread = CreateThread(nullptr, 0, &RunWork, const_cast<std::function<void()>*>(&work), 0, &threadId);
  if (!thread) {
    work();
    return;
  }
  for (;;) {
    // Each wake-up empties the queue, so waiting for input that is new since
    // the last look misses nothing.
    const DWORD woken = MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT);
    if (woken != WAIT_OBJECT_0 + 1 || QuitRequested()) break;  // ended, or the program is quitting
    DoEvents();
  }
  // The work uses the caller's objects: it always ends before this returns.
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
}

}  // namespace quorvane
