// The machine's memory figures, and "freeing" physical memory by briefly
// claiming and writing a large block, which makes the system trim the working
// sets of other processes. Also the small system actions of the RAM booster:
// ending the Windows session, opening a web address, writing an e-mail.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "memory/MemoryStatus.h"

// winuser.h defines ExitWindows as a macro for ExitWindowsEx, which would
// rewrite the member below wherever both are seen.
#include <windows.h>
#undef ExitWindows

namespace quorvane {

// Message rounds before and after the block is written.
inline constexpr int kFreeMemoryMessageRounds = 5;

class FreeRAM {
 public:
  // Claims, writes and releases a block of the given byte count; false when the
  // block could not be had.
  using BlockClaimer = std::function<bool(uint64_t bytes)>;
  // Reads the system's memory figures.
  using StatusReader = std::function<MemoryFigures()>;

  FreeRAM();
  // With another way of claiming blocks (tests make a claim fail with it).
  explicit FreeRAM(BlockClaimer claimer);
  // With other figures too (tests say how much memory there is).
  FreeRAM(StatusReader reader, BlockClaimer claimer);

  // Each query reads the system's figures anew. Bytes, 64-bit, so memories
  // above 2 GB are reported as they are.
  int64_t GetFreePhysical();
  int64_t GetTotalPhysical();
  int32_t GetMemoryLoad();  // percent
  int64_t GetFreeVirtual();
  int64_t GetTotalVirtual();

  // Claims and writes 2 x dwBytes bytes (a text of dwBytes 2-byte blanks) and
  // releases them, with message rounds before and after; returns dwBytes. When
  // that much cannot be had, tries once with half the count (rounded to even)
  // and returns that half. Nothing when the second claim fails too.
  [[nodiscard]] std::optional<uint32_t> FreeUpMemory(uint32_t dwBytes);

  // "shutdown", "reboot" or "logoff" in any case; true when Windows accepted.
  // Any other mode asks nothing and returns false.
  bool ExitWindows(const std::string& mode);

  // Opens the address with its associated program (the web browser).
  void GoToURL(const std::string& url);

  // Opens a new message to the address in the mail program.
  void eMail(const std::string& emailID);

 private:
  const MemoryFigures& Refresh();

  MemoryFigures status_;
  StatusReader reader_;
  BlockClaimer claimer_;
};

// Where the monitor's windows get their FreeRAM objects from: the real
// system unless a test puts in its own figures and claims.
struct MemoryAccess {
  FreeRAM::StatusReader readStatus;
  FreeRAM::BlockClaimer claimBlock;
  FreeRAM Make() const;
};

}  // namespace quorvane
