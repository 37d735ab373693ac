#include "ui/MessageLoop.h"

#include <windows.h>

#include "ui/DialogKeys.h"

namespace quorvane {

namespace {

void Dispatch(MSG& message) {
  if (HandledAsDialogKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace

int RunMessageLoop() {
  MSG message;
  for (;;) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got < 0) return -1;
    Dispatch(message);
  }
}

namespace {

enum class RoundResult { Dispatched, QueueWasEmpty, QuitRequested };

RoundResult DispatchWaitingMessages() {
  MSG message;
  RoundResult result = RoundResult::QueueWasEmpty;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The main loop has to see it, or the program would never end.
      PostQuitMessage(static_cast<int>(message.wParam));
      return RoundResult::QuitRequested;
    }
    Dispatch(message);
    result = RoundResult::Dispatched;
  }
  return result;
}

}  // namespace

void DoEvents() { DispatchWaitingMessages(); }

void DoEvents(int rounds) {
  // A round that found nothing to do leaves nothing for the next: no handler
  // ran that could have posted more. Each look at the queue is a trip to the
  // window server, which a ping would otherwise pay a dozen times.
  for (int i = 0; i < rounds; ++i)
    if (DispatchWaitingMessages() != RoundResult::Dispatched) return;
}

}  // namespace quorvane
