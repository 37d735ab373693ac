#include "startup/LogonStart.h"

#include "common/ProgramName.h"
#include "common/SystemError.h"
#include "startup/LogonTask.h"
#include "startup/RunEntry.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

std::string SetStartAtLogon(bool on) {
  if (!IsNt6OrLater(RunningRelease)) {
    const LONG status = on ? WriteRunEntry() : RemoveRunEntry();
    return status == ERROR_SUCCESS ? "" : SystemErrorText(status);
  }
  const std::string problem = on ? RegisterLogonTask() : RemoveLogonTask();
  if (!problem.empty()) return problem;
  // A Run value left from Windows XP or an earlier version would only fail here.
  const LONG status = RemoveRunEntry();
  return status == ERROR_SUCCESS ? "" : SystemErrorText(status);
}

std::string StartAtLogonFailure(bool on, const std::string& reason) {
  return std::string(on ? "Windows could not be told to start " : "Windows could not be told to stop starting ") +
         kProgramName + ": " + reason;
}

}  // namespace quorvane
