// Which release of Windows runs, finer than the family the backups record: what
// start-up at logon needs (NT 6.0 and later) and what each Windows does with the
// optimizer's values. Pure, no <windows.h>.
#pragma once

#include <string>

namespace quorvane {

// The version GetVersionEx reports (the manifest lists every Windows up to 11, so
// Windows 8.1 to 11 report their own numbers).
struct WindowsRelease {
  unsigned long platformId = 0;
  unsigned long major = 0;
  unsigned long minor = 0;
  unsigned long build = 0;
};

// The generations that treat the TCP/IP values alike.
enum class WindowsGeneration { Unknown, Win9x, Nt4, Win2000Xp, Vista7, Win8To11 };

WindowsGeneration GenerationOf(const WindowsRelease& release);

// NT 6.0 (Vista) and later: programs that ask for elevation are not started from
// the Run key at logon.
bool IsNt6OrLater(const WindowsRelease& release);

// "Windows 10", "Windows 11", "Windows Vista", "Windows Server 2003"; empty when unknown.
std::string ReleaseName(const WindowsRelease& release);

}  // namespace quorvane
