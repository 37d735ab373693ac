#include <doctest.h>

#include <windows.h>

#include "registry/AppSettings.h"
#include "support/RegistryFixture.h"

using namespace quorvane;

TEST_CASE("the settings store keeps text under the program's key") {
  const std::string section = std::string(kAppKey) + "\\Settings\\TestSection";
  testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, section);

  CHECK(GetAppSetting(section, "chkDoPinging", "0") == "0");  // missing section: the default

  SaveAppSetting(section, "txtAlarm", 5);
  auto raw = testing::ReadRaw(HKEY_LOCAL_MACHINE, section, "txtAlarm");
  REQUIRE(raw);
  CHECK(raw->type == REG_SZ);
  CHECK(raw->data == std::string("5\0", 2));
  CHECK(GetAppSetting(section, "txtAlarm", "x") == "5");

  SaveAppSetting(section, "txtHost", std::string("127.0.0.1"));
  CHECK(GetAppSetting(section, "txtHost", "") == "127.0.0.1");
  SaveAppSetting(section, "txtEmpty", std::string());
  CHECK(GetAppSetting(section, "txtEmpty", "dflt") == "");

  // Up to 254 characters come back; longer values read as the default.
  SaveAppSetting(section, "Fits", std::string(254, 'a'));
  CHECK(GetAppSetting(section, "Fits", "dflt") == std::string(254, 'a'));
  testing::WriteText(HKEY_LOCAL_MACHINE, section, "TooLong", std::string(300, 'b'));
  CHECK(GetAppSetting(section, "TooLong", "dflt") == "dflt");

  // The same store on another root.
  testing::ScratchKey scratch("Software\\QuorvaneTests\\AppSettings");
  WriteStringValue(HKEY_CURRENT_USER, scratch.path(), "Name", "text");
  CHECK(ReadStringValue(HKEY_CURRENT_USER, scratch.path(), "Name", "dflt") == "text");
  CHECK(ReadStringValue(HKEY_CURRENT_USER, scratch.path(), "Other", "dflt") == "dflt");

  testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, section);
}
