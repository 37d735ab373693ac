#include <doctest.h>

#include <windows.h>

#include "system/LazyLibrary.h"

using namespace quorvane;

namespace {

bool Found(const char* library, const char* name) { return LibraryFunction(library, name) != nullptr; }

}  // namespace

TEST_CASE("libraries loaded on first use come from the system folder, never from beside the program") {
  // planted_library.dll is built beside this test, where a bare name would find it.
  CHECK_FALSE(Found("planted_library.dll", "PlantedLibraryProbe"));
  CHECK_FALSE(GetModuleHandleA("planted_library.dll"));
  CHECK(Found("icmp.dll", "IcmpCreateFile"));
  CHECK_FALSE(Found("icmp.dll", "NoSuchExport"));
  CHECK_FALSE(Found("no_such_library.dll", "Anything"));
}
