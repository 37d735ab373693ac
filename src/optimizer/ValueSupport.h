// What each Windows generation does with each value the optimizer writes, as
// Microsoft documents it (docs/windows-values.md names every source). Pure, no
// <windows.h>.
#pragma once

#include <string>
#include <vector>

#include "optimizer/RegistryLayout.h"
#include "system/WindowsRelease.h"

namespace quorvane {

enum class ValueUse { Used, NotUsed, NotDocumented };

struct ValueVerdict {
  ValueUse use = ValueUse::NotDocumented;
  // Used: what it is used for, where that needs saying ("programs that use WinINet");
  // NotUsed: why ("SYN-flood protection is always on"). May be empty.
  std::string why;
};

// The verdict for a value by the name the program writes it under ("SYNAttackProtect",
// "MTU", "" for the NDI cache key's default value), on a generation.
ValueVerdict VerdictFor(const std::string& valueName, WindowsGeneration generation);

// The wizard's fields, in the order of the wizard's value grid.
enum class TcpField { MSS, MTU, ICMP, NDI, MaxConn10, MaxConn11, BlackHole, RWIN, KeepAliveTime,
                      KeepAliveInterval, SYN, TTL };

// The value names a field is written under on a generation (9x or NT names).
std::vector<std::string> ValueNamesOf(TcpField field, WindowsGeneration generation);

// True when the generation documents every value of the field as not used.
bool FieldNotUsed(TcpField field, WindowsGeneration generation);

// The short line for a field this Windows does not use: "On Windows 10, SYN-flood
// protection is always on ...; this value has no effect here." Empty for a used field.
std::string FieldNotUsedLine(TcpField field, WindowsGeneration generation, const std::string& releaseName);

// How /status words a verdict: "used", "used by programs that use WinINet ...",
// "not used: ...", "not documented for Windows 8 to 11".
std::string VerdictText(const ValueVerdict& verdict, WindowsGeneration generation);

// How many distinct values the writes set (removals aside) that the generation
// documents as not used.
size_t CountNotUsed(const std::vector<PlannedWrite>& writes, WindowsGeneration generation);

// The generation's name in the table ("Windows Vista and 7").
const char* GenerationName(WindowsGeneration generation);

}  // namespace quorvane
