#include "pinger/OffInterfaceThread.h"

#include <windows.h>

#include <vector>

#include "ui/MessageLoop.h"

namespace quorvane {

namespace {

// Starting a thread costs a millisecond or more under Wine, several times the
// echo itself: one worker, started at the first call, waits for work for the
// rest of the run. A call made while it is busy (from a handler run during the
// wait) gets a thread of its own.
class Worker {
 public:
  // False when the worker cannot run it now (busy, or it could not start).
  bool Start(const std::function<void()>& work) {
    if (busy_ || !Started()) return false;
    busy_ = true;
    work_ = &work;
    ResetEvent(workDone_);
    SetEvent(workReady_);
    return true;
  }
  HANDLE DoneEvent() const { return workDone_; }
  void Finished() { busy_ = false; }

 private:
  bool Started() {
    if (thread_) return true;
    if (!workReady_) workReady_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (!workDone_) workDone_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);  // stays set until the next work
    if (workReady_ && workDone_) thread_ = CreateThread(nullptr, 0, &Worker::Loop, this, 0, nullptr);
    return thread_ != nullptr;
  }
  static DWORD WINAPI Loop(LPVOID self) {
    auto* worker = static_cast<Worker*>(self);
    for (;;) {
      WaitForSingleObject(worker->workReady_, INFINITE);
      (*worker->work_)();
      SetEvent(worker->workDone_);
    }
  }

  HANDLE thread_ = nullptr;
  HANDLE workReady_ = nullptr;
  HANDLE workDone_ = nullptr;
  const std::function<void()>* work_ = nullptr;
  bool busy_ = false;  // touched by the interface thread only
};

DWORD WINAPI RunOnce(LPVOID work) {
  (*static_cast<const std::function<void()>*>(work))();
  return 0;
}

// What the waits under way wait for, innermost last: the worker's done event
// or a thread of its own. Touched by the interface thread only.
std::vector<HANDLE>& WorkUnderWay() {
  static std::vector<HANDLE> handles;
  return handles;
}

bool QuitRequested() {
  MSG message;
  return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

// Handles the thread's messages until the object (one that stays signalled)
// is signalled; once the program is quitting, just waits.
void WaitHandlingMessages(HANDLE object) {
  WorkUnderWay().push_back(object);
  for (;;) {
    // Each wake-up empties the queue, so waiting for input that is new since
    // the last look misses nothing.
    const DWORD woken = MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_ALLINPUT);
    if (woken != WAIT_OBJECT_0 + 1 || QuitRequested()) break;  // done, or the program is quitting
    DoEvents();
  }
  // The work uses the caller's objects: it always ends before the caller goes on.
  WaitForSingleObject(object, INFINITE);
  WorkUnderWay().pop_back();
}

}  // namespace

void RunOffInterfaceThread(const std::function<void()>& work) {
  static Worker worker;
  if (worker.Start(work)) {
    WaitHandlingMessages(worker.DoneEvent());
    worker.Finished();
    return;
  }
  HANDLE thread = CreateThread(nullptr, 0, &RunOnce, const_cast<std::function<void()>*>(&work), 0, nullptr);
  if (!thread) {
    work();
    return;
  }
  WaitHandlingMessages(thread);
  CloseHandle(thread);
}

bool WaitForOffInterfaceWork(uint32_t timeoutMs) {
  const std::vector<HANDLE>& handles = WorkUnderWay();
  if (handles.empty()) return true;
  const DWORD woken = WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, timeoutMs);
  return woken < WAIT_OBJECT_0 + handles.size();
}

}  // namespace quorvane
