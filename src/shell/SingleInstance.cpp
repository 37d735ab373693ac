#include "shell/SingleInstance.h"

namespace quorvane {

namespace {

// Per logon session, as Windows names objects by default; no "Local\" prefix,
// which Windows 95 to ME do not know.
constexpr char kMutexName[] = "Kestavo.Quorvane.MainWindow";
constexpr char kReceiverClass[] = "Kestavo.Quorvane.RunningCopy";
constexpr char kComeBackMessage[] = "Kestavo.Quorvane.ComeBack";

// A copy that is still starting (the splash) has the mutex but not yet its window.
constexpr DWORD kWaitForRunningCopyMs = 10000;
constexpr DWORD kPollMs = 100;
constexpr UINT kAnswerTimeoutMs = 5000;

UINT ComeBackMessage() {
  static const UINT message = RegisterWindowMessageA(kComeBackMessage);
  return message;
}

void BringBack(HWND receiver) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(receiver, ComeBackMessage(), 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer)) return;
  // This process was started by the user and may hand the foreground on.
  HWND main = reinterpret_cast<HWND>(answer);
  if (main && IsWindow(main)) SetForegroundWindow(main);
}

}  // namespace

bool RunningCopy::Claim() {
  const DWORD start = GetTickCount();
  for (;;) {
    KernelHandle mutex(CreateMutexA(nullptr, FALSE, kMutexName));
    if (mutex && GetLastError() != ERROR_ALREADY_EXISTS) {
      mutex_ = std::move(mutex);
      return true;
    }
    // No mutex at all (out of handles): better two copies than none.
    if (!mutex) return true;
    // Our handle would keep the mutex alive after the running copy ends.
    mutex.reset();
    if (HWND receiver = FindWindowA(kReceiverClass, nullptr)) {
      BringBack(receiver);
      return false;
    }
    if (GetTickCount() - start >= kWaitForRunningCopyMs) return false;
    Sleep(kPollMs);
  }
}

void RunningCopy::Answer(ComeBack comeBack) {
  comeBack_ = std::move(comeBack);
  if (hWnd()) return;
  CreateParams params;
  params.className = kReceiverClass;
  params.title = kReceiverClass;
  CreateHandle(params);  // hidden, top level, so FindWindow sees it
}

LRESULT RunningCopy::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == ComeBackMessage() && comeBack_) return reinterpret_cast<LRESULT>(comeBack_());
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace quorvane
