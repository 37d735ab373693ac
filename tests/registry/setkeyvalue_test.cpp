#include <doctest.h>

#include <windows.h>

#include "registry/SetKeyValue.h"
#include "support/RegistryFixture.h"

using namespace quorvane;
using testing::ScratchKey;

TEST_CASE("SetKeyValue writes text and numbers in either direction") {
  ScratchKey scratch("Software\\QuorvaneTests\\SetKeyValue");
  const HKEY hkcu = HKEY_CURRENT_USER;

  CHECK(SetKeyValue(hkcu, scratch.path(), "TextFromNumber", REG_SZ, 1500.0, false) == ERROR_SUCCESS);
  auto raw = testing::ReadRaw(hkcu, scratch.path(), "TextFromNumber");
  REQUIRE(raw);
  CHECK(raw->type == REG_SZ);
  CHECK(raw->data == std::string("1500\0", 5));  // length + 1 bytes

  CHECK(SetKeyValue(hkcu, scratch.path(), "Negative", REG_SZ, -1.0, false) == ERROR_SUCCESS);
  CHECK(testing::ReadText(hkcu, scratch.path(), "Negative") == "-1");

  CHECK(SetKeyValue(hkcu, scratch.path(), "NumberFromText", REG_DWORD, std::string("1500"), false) == ERROR_SUCCESS);
  CHECK(testing::ReadDword(hkcu, scratch.path(), "NumberFromText") == 1500u);

  CHECK(SetKeyValue(hkcu, scratch.path(), "MinusOne", REG_DWORD, -1.0, false) == ERROR_SUCCESS);
  CHECK(testing::ReadDword(hkcu, scratch.path(), "MinusOne") == 0xFFFFFFFFu);

  CHECK(SetKeyValue(hkcu, scratch.path(), "", REG_DWORD, 64.0, false) == ERROR_SUCCESS);
  CHECK(testing::ReadDword(hkcu, scratch.path(), "") == 64u);

  // "*" is an ordinary name here.
  CHECK(SetKeyValue(hkcu, scratch.path(), "*", REG_SZ, std::string("star"), false) == ERROR_SUCCESS);
  CHECK(testing::ReadText(hkcu, scratch.path(), "*") == "star");
}

TEST_CASE("SetKeyValue rounds halves to even and refuses what does not fit in 32 bits") {
  ScratchKey scratch("Software\\QuorvaneTests\\SetKeyValue");
  const HKEY hkcu = HKEY_CURRENT_USER;
  CHECK(SetKeyValue(hkcu, scratch.path(), "Half", REG_DWORD, 2.5, false) == ERROR_SUCCESS);
  CHECK(testing::ReadDword(hkcu, scratch.path(), "Half") == 2u);
  CHECK(SetKeyValue(hkcu, scratch.path(), "Half", REG_DWORD, 3.5, false) == ERROR_SUCCESS);
  CHECK(testing::ReadDword(hkcu, scratch.path(), "Half") == 4u);
  CHECK(SetKeyValue(hkcu, scratch.path(), "Max", REG_DWORD, 2147483647.0, false) == ERROR_SUCCESS);
  CHECK(testing::ReadDword(hkcu, scratch.path(), "Max") == 0x7FFFFFFFu);

  CHECK(SetKeyValue(hkcu, scratch.path(), "TooBig", REG_DWORD, 2147483648.0, false) == ERROR_ARITHMETIC_OVERFLOW);
  CHECK(SetKeyValue(hkcu, scratch.path(), "TooSmall", REG_DWORD, -2147483649.0, false) == ERROR_ARITHMETIC_OVERFLOW);
  CHECK(SetKeyValue(hkcu, scratch.path(), "NotNumber", REG_DWORD, std::string("12abc"), false) == ERROR_INVALID_DATA);
  CHECK_FALSE(testing::ReadRaw(hkcu, scratch.path(), "TooBig"));
  CHECK_FALSE(testing::ReadRaw(hkcu, scratch.path(), "TooSmall"));
  CHECK_FALSE(testing::ReadRaw(hkcu, scratch.path(), "NotNumber"));
}

TEST_CASE("SetKeyValue creates its key even when it deletes or writes nothing") {
  ScratchKey scratch("Software\\QuorvaneTests\\SetKeyValue");
  const HKEY hkcu = HKEY_CURRENT_USER;

  SUBCASE("deleting an existing value keeps the key") {
    testing::WriteDword(hkcu, scratch.path(), "Gone", 5);
    CHECK(SetKeyValue(hkcu, scratch.path(), "Gone", REG_DWORD, 0.0, true) == ERROR_SUCCESS);
    CHECK_FALSE(testing::ReadRaw(hkcu, scratch.path(), "Gone"));
    CHECK(testing::KeyExists(hkcu, scratch.path()));
  }
  SUBCASE("deleting in a missing key creates the key and reports the missing value") {
    CHECK(SetKeyValue(hkcu, scratch / "Made", "Nothing", REG_SZ, 1.0, true) == ERROR_FILE_NOT_FOUND);
    CHECK(testing::KeyExists(hkcu, scratch / "Made"));
  }
  SUBCASE("another type writes nothing, returns 0 and still creates the key") {
    CHECK(SetKeyValue(hkcu, scratch / "Binary", "Data", REG_BINARY, 1.0, false) == ERROR_SUCCESS);
    CHECK(testing::KeyExists(hkcu, scratch / "Binary"));
    CHECK_FALSE(testing::ReadRaw(hkcu, scratch / "Binary", "Data"));
  }
  SUBCASE("the key path is not trimmed: a leading backslash is the registry's to refuse") {
    CHECK(SetKeyValue(hkcu, "\\" + scratch.path() + "\\Lead", "V", REG_DWORD, 1.0, false) != ERROR_SUCCESS);
    CHECK_FALSE(testing::KeyExists(hkcu, scratch / "Lead"));
  }
}
