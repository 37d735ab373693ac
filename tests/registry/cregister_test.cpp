#include <doctest.h>

#include <windows.h>

#include "registry/CRegister.h"
#include "support/RegistryFixture.h"

using namespace quorvane;
using testing::ScratchKey;

TEST_CASE("CRegister reads text, honours * and trims one backslash at each end") {
  ScratchKey scratch("Software\\QuorvaneTests\\CRegister");
  testing::WriteText(HKEY_CURRENT_USER, scratch.path(), "Name", "value one");
  testing::WriteText(HKEY_CURRENT_USER, scratch.path(), "", "the default");
  CRegister reg;

  CHECK(reg.REGGetSetting(HKEY_CURRENT_USER, scratch.path(), "Name", "dflt") == "value one");
  CHECK(reg.REGGetSetting(HKEY_CURRENT_USER, "\\" + scratch.path() + "\\", "Name", "dflt") == "value one");
  CHECK(reg.REGGetSetting(HKEY_CURRENT_USER, scratch.path(), "*", "dflt") == "the default");
  CHECK(reg.REGGetSetting(HKEY_CURRENT_USER, scratch.path(), "Missing", "dflt") == "dflt");
  CHECK(reg.REGGetSetting(HKEY_CURRENT_USER, scratch / "NoSuchKey", "Name", "dflt") == "dflt");
  // Only one backslash goes at each end.
  CHECK(reg.REGGetSetting(HKEY_CURRENT_USER, "\\\\" + scratch.path(), "Name", "dflt") == "dflt");

  SUBCASE("an empty text reads as empty, not as the default") {
    testing::WriteText(HKEY_CURRENT_USER, scratch.path(), "Empty", "");
    CHECK(reg.REGGetSetting(HKEY_CURRENT_USER, scratch.path(), "Empty", "dflt") == "");
  }
}

TEST_CASE("myREGGetSetting reads the bytes as a little-endian number") {
  ScratchKey scratch("Software\\QuorvaneTests\\CRegister");
  testing::WriteDword(HKEY_CURRENT_USER, scratch.path(), "Dword", 1500);
  testing::WriteDword(HKEY_CURRENT_USER, scratch.path(), "AllBits", 0xFFFFFFFFu);
  testing::WriteRaw(HKEY_CURRENT_USER, scratch.path(), "TwoBytes", REG_BINARY, std::string("\x01\x02", 2));
  testing::WriteText(HKEY_CURRENT_USER, scratch.path(), "Text", "128");
  testing::WriteRaw(HKEY_CURRENT_USER, scratch.path(), "Wide", REG_BINARY, std::string(8, '\xff'));
  CRegister reg;

  CHECK(reg.myREGGetSetting(HKEY_CURRENT_USER, scratch.path(), "Dword") == 1500);
  CHECK(reg.myREGGetSetting(HKEY_CURRENT_USER, scratch.path(), "AllBits") == 4294967295.0);
  CHECK(reg.myREGGetSetting(HKEY_CURRENT_USER, scratch.path(), "TwoBytes") == 513);
  // "128" and its terminator: 0x31 0x32 0x38 0x00.
  CHECK(reg.myREGGetSetting(HKEY_CURRENT_USER, scratch.path(), "Text") == 3682865);
  CHECK(reg.myREGGetSetting(HKEY_CURRENT_USER, scratch.path(), "Wide") == doctest::Approx(18446744073709551615.0));
  CHECK(reg.myREGGetSetting(HKEY_CURRENT_USER, scratch.path(), "Missing") == 0);
  CHECK(reg.myREGGetSetting(HKEY_CURRENT_USER, scratch / "Nothing", "Dword") == 0);
}

TEST_CASE("REGSaveSetting creates the key and writes REG_SZ with its terminator") {
  ScratchKey scratch("Software\\QuorvaneTests\\CRegister");
  CRegister reg;
  CHECK(reg.REGSaveSetting(HKEY_CURRENT_USER, "\\" + (scratch / "New\\Deep") + "\\", "Name", "1500"));
  auto raw = testing::ReadRaw(HKEY_CURRENT_USER, scratch / "New\\Deep", "Name");
  REQUIRE(raw);
  CHECK(raw->type == REG_SZ);
  CHECK(raw->data == std::string("1500\0", 5));

  CHECK(reg.REGSaveSetting(HKEY_CURRENT_USER, scratch.path(), "*", "default text"));
  CHECK(testing::ReadText(HKEY_CURRENT_USER, scratch.path(), "") == "default text");
}

TEST_CASE("REGDeleteSetting deletes a value, the default value, or a whole key") {
  ScratchKey scratch("Software\\QuorvaneTests\\CRegister");
  testing::WriteText(HKEY_CURRENT_USER, scratch.path(), "Name", "x");
  testing::WriteText(HKEY_CURRENT_USER, scratch.path(), "", "default");
  testing::WriteText(HKEY_CURRENT_USER, scratch / "Child", "Inner", "y");
  CRegister reg;

  CHECK(reg.REGDeleteSetting(HKEY_CURRENT_USER, "\\" + scratch.path() + "\\", "Name"));
  CHECK_FALSE(testing::ReadRaw(HKEY_CURRENT_USER, scratch.path(), "Name"));
  CHECK_FALSE(reg.REGDeleteSetting(HKEY_CURRENT_USER, scratch.path(), "Name"));

  CHECK(reg.REGDeleteSetting(HKEY_CURRENT_USER, scratch.path(), "*"));
  CHECK_FALSE(testing::ReadRaw(HKEY_CURRENT_USER, scratch.path(), ""));
  CHECK(testing::KeyExists(HKEY_CURRENT_USER, scratch.path()));

  // An empty value name deletes the key named by the section, which is not trimmed.
  CHECK_FALSE(reg.REGDeleteSetting(HKEY_CURRENT_USER, "\\" + (scratch / "Child"), ""));
  CHECK(testing::KeyExists(HKEY_CURRENT_USER, scratch / "Child"));
  CHECK(reg.REGDeleteSetting(HKEY_CURRENT_USER, scratch / "Child", ""));
  CHECK_FALSE(testing::KeyExists(HKEY_CURRENT_USER, scratch / "Child"));
  CHECK_FALSE(reg.REGDeleteSetting(HKEY_CURRENT_USER, scratch / "Child", ""));
}

TEST_CASE("GetAllKeys lists direct subkeys in order and does not trim its path") {
  ScratchKey scratch("Software\\QuorvaneTests\\CRegister");
  CRegister reg;
  testing::WriteText(HKEY_CURRENT_USER, scratch.path(), "v", "1");
  CHECK(reg.GetAllKeys(HKEY_CURRENT_USER, scratch.path()).empty());

  for (const char* name : {"0000", "0001", "{A1B2}", "Deep"}) testing::WriteText(HKEY_CURRENT_USER, scratch / name, "v", "1");
  testing::WriteText(HKEY_CURRENT_USER, scratch / "Deep\\Grandchild", "v", "1");
  CHECK(reg.GetAllKeys(HKEY_CURRENT_USER, scratch.path()) ==
        testing::Subkeys(HKEY_CURRENT_USER, scratch.path()));
  CHECK(reg.GetAllKeys(HKEY_CURRENT_USER, scratch.path()).size() == 4);
  CHECK(reg.GetAllKeys(HKEY_CURRENT_USER, scratch.path() + "\\").size() == 4);  // Windows accepts this one
  CHECK(reg.GetAllKeys(HKEY_CURRENT_USER, "\\" + scratch.path()).empty());
  CHECK(reg.GetAllKeys(HKEY_CURRENT_USER, scratch / "Missing").empty());
}

TEST_CASE("reads fall back to read access on a key that may not be written") {
  ScratchKey scratch("Software\\QuorvaneTests\\CRegister");
  const std::string locked = scratch / "ReadOnly";
  testing::WriteText(HKEY_CURRENT_USER, locked, "Name", "readable");
  testing::WriteDword(HKEY_CURRENT_USER, locked, "Number", 77);
  REQUIRE(testing::DenyWriteAccess(HKEY_CURRENT_USER, locked));

  HKEY probe;
  LONG full = RegOpenKeyExA(HKEY_CURRENT_USER, locked.c_str(), 0, KEY_ALL_ACCESS, &probe);
  if (full == ERROR_SUCCESS) RegCloseKey(probe);
  REQUIRE_MESSAGE(full == ERROR_ACCESS_DENIED, "the key must refuse full access for this test");

  CRegister reg;
  CHECK(reg.REGGetSetting(HKEY_CURRENT_USER, locked, "Name", "dflt") == "readable");
  CHECK(reg.myREGGetSetting(HKEY_CURRENT_USER, locked, "Number") == 77);
  CHECK_FALSE(reg.REGDeleteSetting(HKEY_CURRENT_USER, locked, "Name"));

  testing::AllowAllAccess(HKEY_CURRENT_USER, locked);
}
