#include "memory/FreeRAM.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "common/TextCase.h"
#include "memory/MemoryClaim.h"
#include "system/Effects.h"
#include "ui/MessageLoop.h"

namespace quorvane {

namespace {

// The block a count of 2-byte characters occupies.
uint64_t BlockBytes(uint32_t characters) { return uint64_t{characters} * 2; }

}  // namespace

FreeRAM::FreeRAM() : FreeRAM(ClaimAndWriteBlankBlock) {}

FreeRAM::FreeRAM(BlockClaimer claimer) : FreeRAM(ReadMemoryStatus, std::move(claimer)) {}

FreeRAM::FreeRAM(StatusReader reader, BlockClaimer claimer)
    : reader_(std::move(reader)), claimer_(std::move(claimer)) {}

FreeRAM MemoryAccess::Make() const {
  return FreeRAM(readStatus ? readStatus : FreeRAM::StatusReader(ReadMemoryStatus),
                 claimBlock ? claimBlock : FreeRAM::BlockClaimer(ClaimAndWriteBlankBlock));
}

const MemoryFigures& FreeRAM::Refresh() {
  status_ = reader_();
  return status_;
}

int64_t FreeRAM::GetFreePhysical() { return Refresh().availablePhysical; }
int64_t FreeRAM::GetTotalPhysical() { return Refresh().totalPhysical; }
int32_t FreeRAM::GetMemoryLoad() { return Refresh().memoryLoad; }
int64_t FreeRAM::GetFreeVirtual() { return Refresh().availableVirtual; }
int64_t FreeRAM::GetTotalVirtual() { return Refresh().totalVirtual; }

std::optional<uint32_t> FreeRAM::FreeUpMemory(uint32_t dwBytes) {
  DoEvents(kFreeMemoryMessageRounds);
  if (claimer_(BlockBytes(dwBytes))) {
    DoEvents(kFreeMemoryMessageRounds);
    return dwBytes;
  }
  // One smaller try, no loop: the caller asks again on its next round.
  uint32_t half = HalfRoundedToEven(dwBytes);
  if (claimer_(BlockBytes(half))) return half;
  return std::nullopt;
}

bool FreeRAM::ExitWindows(const std::string& mode) {
  std::string lower = ToLowerAscii(mode);
  UINT flags;
  if (lower == "shutdown")
    flags = EWX_SHUTDOWN;
  else if (lower == "reboot")
    flags = EWX_REBOOT;
  else if (lower == "logoff")
    flags = EWX_LOGOFF;
  else
    return false;
  return CurrentEffects().RestartWindows(flags);
}

void FreeRAM::GoToURL(const std::string& url) {
  CurrentEffects().ShellOpen(nullptr, "open", url, "", "", SW_SHOWMAXIMIZED);
}

void FreeRAM::eMail(const std::string& emailID) {
  CurrentEffects().ShellOpen(nullptr, "", "mailto:" + emailID, "", "", SW_RESTORE);
}

}  // namespace quorvane
