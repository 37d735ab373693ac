// What each Windows does with each value: the answers that change what a person
// sees (greyed values, notes, counts), at the pure table's seam.
#include <doctest.h>

#include "optimizer/ModeDescription.h"
#include "optimizer/OutcomeNotes.h"
#include "optimizer/ValueSupport.h"

using namespace quorvane;

TEST_CASE("only what Microsoft documents as unused is greyed: SYN protection from Vista on") {
  struct Case {
    TcpField field;
    WindowsGeneration generation;
    bool notUsed;
  };
  const Case cases[] = {
      {TcpField::SYN, WindowsGeneration::Win2000Xp, false},  {TcpField::SYN, WindowsGeneration::Vista7, true},
      {TcpField::SYN, WindowsGeneration::Win8To11, true},    {TcpField::SYN, WindowsGeneration::Unknown, false},
      {TcpField::RWIN, WindowsGeneration::Win8To11, false},  // not documented either way
      {TcpField::MaxConn11, WindowsGeneration::Win8To11, false},
  };
  for (const Case& c : cases) {
    CAPTURE(static_cast<int>(c.field));
    CAPTURE(static_cast<int>(c.generation));
    CHECK(FieldNotUsed(c.field, c.generation) == c.notUsed);
    CHECK(FieldNotUsedLine(c.field, c.generation, "Windows 10").empty() == !c.notUsed);
  }
  CHECK(VerdictText(VerdictFor("SackOpts", WindowsGeneration::Win8To11), WindowsGeneration::Win8To11) ==
        "not documented for Windows 8 to 11");
  CHECK(VerdictText(VerdictFor("SYNAttackProtect", WindowsGeneration::Win2000Xp), WindowsGeneration::Win2000Xp) ==
        "used");
  CHECK(VerdictText(VerdictFor("synattackprotect", WindowsGeneration::Vista7), WindowsGeneration::Vista7)
            .rfind("not used: ", 0) == 0);
}

TEST_CASE("the grid shows Windows default for a value the mode removes, and notes what this Windows ignores") {
  TcpSettings removed;
  removed.MSS = removed.RWIN = removed.TTL = kWindowsDefault;
  const std::vector<ModeGridCell> cells = ModeGridCells(removed);
  REQUIRE(cells.size() == static_cast<size_t>(kModeGridCells));
  CHECK(cells[0].value == "Windows default");
  CHECK(cells[1].value == "0");
  CHECK(cells[7].value == "Windows default");
  CHECK(cells[11].value == "Windows default");
  CHECK(ModeGridNote(WindowsGeneration::Win2000Xp, "Windows XP").empty());
  CHECK(ModeGridNote(WindowsGeneration::Win8To11, "Windows 10") ==
        "SYN: On Windows 10, SYN-flood protection is always on and reads no registry setting; "
        "this value has no effect here.");
}

TEST_CASE("the home line counts each applied value this Windows does not use once; removals are not applied") {
  const std::vector<PlannedWrite> writes = {
      {RegRoot::LocalMachine, "K", "SYNAttackProtect", 2, false},
      {RegRoot::LocalMachine, "K2", "SYNAttackProtect", 2, false},
      {RegRoot::LocalMachine, "K", "DefaultTTL", 64, false},
  };
  CHECK(CountNotUsed(writes, WindowsGeneration::Win8To11) == 1);
  CHECK(CountNotUsed(writes, WindowsGeneration::Win2000Xp) == 0);
  CHECK(CountNotUsed({{RegRoot::LocalMachine, "K", "SYNAttackProtect", 0, true}}, WindowsGeneration::Vista7) == 0);
  CHECK(NoEffectNote(1, "Windows 10") == "1 of these values has no effect on Windows 10.");
  CHECK(NoEffectNote(3, "Windows 7") == "3 of these values have no effect on Windows 7.");
  CHECK(NoEffectNote(0, "Windows 7").empty());
}
