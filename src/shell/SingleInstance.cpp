#include "shell/SingleInstance.h"

#include <string>

#include "common/ProgramName.h"
#include "system/Effects.h"
#include "system/ProgramIdentity.h"

namespace quorvane {

namespace {

// Per logon session, as Windows names objects by default; no "Local\" prefix,
// which Windows 95 to ME do not know.
constexpr char kMutexName[] = "Kestavo.Quorvane.MainWindow";
constexpr char kReceiverClass[] = "Kestavo.Quorvane.RunningCopy";
constexpr char kComeBackMessage[] = "Kestavo.Quorvane.ComeBack";
// Held by every running copy, in every session; the installer and uninstaller
// look for it (installer/quorvane.nsi).
constexpr char kRunningName[] = "Kestavo.Quorvane.Running";

constexpr char kNameTaken[] = "Another program holds Quorvane's name.\n\nQuorvane starts anyway.";

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
  // This process was started by the user and may hand the foreground on, but only
  // to a window of the copy that answered.
  HWND main = reinterpret_cast<HWND>(answer);
  DWORD receiverProcess = 0, mainProcess = 0;
  GetWindowThreadProcessId(receiver, &receiverProcess);
  if (main && IsWindow(main) && GetWindowThreadProcessId(main, &mainProcess) && mainProcess == receiverProcess)
    SetForegroundWindow(main);
}

// What answers to the receiver's class: the running copy, another program that
// took the name, or nothing yet.
enum class Answerer { Nobody, ThisProgram, AnotherProgram };

Answerer FindReceiver(HWND* receiver) {
  Answerer found = Answerer::Nobody;
  for (HWND window = FindWindowExA(nullptr, nullptr, kReceiverClass, nullptr); window;
       window = FindWindowExA(nullptr, window, kReceiverClass, nullptr)) {
    if (WindowOfThisProgram(window)) {
      *receiver = window;
      return Answerer::ThisProgram;
    }
    found = Answerer::AnotherProgram;
  }
  return found;
}

// Windows 2000 and later have a namespace shared by every session; Windows 95 to
// ME and NT 4 refuse a backslash in the name.
std::string GlobalName(const char* name) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  const bool global = GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
                      version.dwMajorVersion >= 5;
  return global ? std::string("Global\\") + name : std::string(name);
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
    HWND receiver = nullptr;
    const Answerer answerer = FindReceiver(&receiver);
    if (answerer == Answerer::ThisProgram) {
      BringBack(receiver);
      return false;
    }
    // A name held by another program, or held with no copy answering: never a
    // reason not to start.
    if (answerer == Answerer::AnotherProgram || GetTickCount() - start >= kWaitForRunningCopyMs) {
      CurrentEffects().ShowMessageBox(nullptr, kNameTaken, kProgramName, MB_OK | MB_ICONWARNING);
      return true;
    }
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

void MarkRunning() {
  // Never closed: Windows closes it when the process ends.
  static const HANDLE running = CreateMutexA(nullptr, FALSE, GlobalName(kRunningName).c_str());
  (void)running;
}

}  // namespace quorvane
