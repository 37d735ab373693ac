#include <doctest.h>

#include "backup_manager_harness.h"
#include "common/ProgramName.h"
#include "optimizer/BackupFiles.h"
#include "system/mdlOSVersion.h"

using namespace quorvane;
using Texts = std::vector<std::string>;
using testing::BackupManagerHarness;

namespace {

const char* const kParameters = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char* const kQuestionDelete = "Do you want to delete this file?";
const char* const kQuestionRestore = "Do you want to restore this settings?";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Puts the movie on another page than home, through its "About" button.
void MovieAway(BackupManagerHarness& h) {
  for (const MovieButton* button : h.main.Flash.ActiveButtons()) {
    if (button->gotoPage != "about") continue;
    LPARAM at = MAKELPARAM(button->rect.x + button->rect.width / 2, button->rect.y + button->rect.height / 2);
    SendMessageA(h.main.Flash.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(h.main.Flash.hWnd(), WM_LBUTTONUP, 0, at);
    break;
  }
  REQUIRE(h.main.Flash.CurrentPage() == "about");
  h.Open();  // the command table hid it: show it again, the movie stays on its page
  REQUIRE(h.main.Flash.CurrentPage() == "about");
}

}  // namespace

TEST_CASE("delete asks first and removes only the selected file on Yes") {
  BackupManagerHarness h("BackupDelete");
  h.WriteBackup("001.BCK", "2004-05-01", "17:05:03");
  h.WriteBackup("002.BCK", "2004-05-02", "09:00:00");
  h.Open();
  h.ClickHeader(0);

  SUBCASE("No keeps the file and the list") {
    h.ClickRowNamed("002.BCK");
    h.effects.answers = {IDNO};
    h.Press(h.backup.cmdDelete);
    REQUIRE(h.effects.messageBoxes.size() == 1);
    CHECK(h.effects.messageBoxes[0].text == kQuestionDelete);
    CHECK(h.effects.messageBoxes[0].caption.empty());
    CHECK(h.effects.messageBoxes[0].style == (MB_YESNO | MB_ICONWARNING));
    CHECK(Exists(h.BackupPath("002.BCK")));
    CHECK(h.backup.lstBackUpList.ItemCount() == 2);
    CHECK(h.ButtonsEnabled());
  }

  SUBCASE("Yes deletes it and refills the list, the buttons disabled") {
    h.ClickRowNamed("002.BCK");
    h.effects.answers = {IDYES};
    h.Press(h.backup.cmdDelete);
    CHECK(h.effects.messageBoxes.size() == 1);
    CHECK_FALSE(Exists(h.BackupPath("002.BCK")));
    CHECK(Exists(h.BackupPath("001.BCK")));
    CHECK(h.Column(0) == Texts{"001.BCK"});
    CHECK(h.ButtonsDisabled());
  }

  SUBCASE("a file gone since the refill: a plain message, and the list shows what is left") {
    h.ClickRowNamed("001.BCK");
    DeleteFileA(h.BackupPath("001.BCK").c_str());
    h.effects.answers = {IDYES};
    h.Press(h.backup.cmdDelete);
    REQUIRE(h.effects.messageBoxes.size() == 2);
    CHECK(h.effects.messageBoxes[1].text == "The file 001.BCK no longer exists.");
    CHECK(h.effects.messageBoxes[1].caption == std::string(kProgramName));
    CHECK(h.Column(0) == Texts{"002.BCK"});
    CHECK(Exists(h.BackupPath("002.BCK")));
  }

  SUBCASE("a file that cannot be deleted says why and stays listed") {
    h.ClickRowNamed("001.BCK");
    SetFileAttributesA(h.BackupPath("001.BCK").c_str(), FILE_ATTRIBUTE_READONLY);
    h.effects.answers = {IDYES};
    h.Press(h.backup.cmdDelete);
    REQUIRE(h.effects.messageBoxes.size() == 2);
    CHECK(h.effects.messageBoxes[1].text.rfind("The file 001.BCK could not be deleted.", 0) == 0);
    CHECK(h.Column(0) == Texts{"001.BCK", "002.BCK"});
  }

  SUBCASE("without a selected row nothing is asked or deleted") {
    h.backup.cmdDelete_Click();
    h.backup.cmdRestore_Click();
    CHECK(h.effects.messageBoxes.empty());
    CHECK(h.backup.lstBackUpList.ItemCount() == 2);
  }
}

TEST_CASE("restore writes the file's values back and sends the movie home behind the window") {
  testing::TcpipRegistry tcpip;
  BackupManagerHarness h("BackupRestore");
  REQUIRE(OSVersionId >= 5);  // the test prefix reports an NT-family Windows
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL", 128);
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "KeepAliveTime", 7200000);
  BackupWriteResult written = WriteBackupFile(OSVersionId, h.Backups());
  REQUIRE(written.written);
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL", 64);
  testing::WriteDword(HKEY_LOCAL_MACHINE, kParameters, "KeepAliveTime", 1);
  h.WriteBackup("002.BCK", "2004-05-02", "09:00:00", OSVersionId == 6 ? 2 : 6);  // another system
  h.WriteBackup("003.BCK", "2004-05-03", "09:00:00", OSVersionId,
                "\"System\\CurrentControlSet\\Services\\Tcpip\\Parameters\"\r\n\"SackOpts\"\r\nnot a number\r\n");
  MovieAway(h);
  h.ClickHeader(0);

  SUBCASE("No writes nothing and leaves the movie") {
    h.ClickRowNamed("001.BCK");
    h.effects.answers = {IDNO};
    h.Press(h.backup.cmdRestore);
    REQUIRE(h.effects.messageBoxes.size() == 1);
    CHECK(h.effects.messageBoxes[0].text == kQuestionRestore);
    CHECK(h.effects.messageBoxes[0].caption.empty());
    CHECK(h.effects.messageBoxes[0].style == (MB_YESNO | MB_ICONWARNING));
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
    CHECK(h.main.Flash.CurrentPage() == "about");
  }

  SUBCASE("Yes restores without another message; the movie goes home but the window stays in front") {
    h.ClickRowNamed("001.BCK");
    h.effects.answers = {IDYES};
    h.Press(h.backup.cmdRestore);
    CHECK(h.effects.messageBoxes.size() == 1);
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 128u);
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "KeepAliveTime") == 7200000u);
    CHECK(h.main.Flash.CurrentPage() == "home");
    CHECK(h.FrameInFront());
    CHECK(h.backup.Visible());
    CHECK(Exists(written.path));
  }

  SUBCASE("a file from another system: the error, and the registry and the movie as they were") {
    h.ClickRowNamed("002.BCK");
    h.effects.answers = {IDYES};
    h.Press(h.backup.cmdRestore);
    REQUIRE(h.effects.messageBoxes.size() == 2);
    CHECK(h.effects.messageBoxes[1].text == "This backup file was taken from another operating system!!");
    CHECK(h.effects.messageBoxes[1].caption == std::string(kProgramName));
    CHECK(h.effects.messageBoxes[1].style == (MB_OK | MB_ICONERROR));
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
    CHECK(h.main.Flash.CurrentPage() == "about");
  }

  SUBCASE("a damaged file: its fault is shown, and the movie still goes home") {
    h.ClickRowNamed("003.BCK");
    h.effects.answers = {IDYES};
    h.Press(h.backup.cmdRestore);
    REQUIRE(h.effects.messageBoxes.size() == 2);
    CHECK_FALSE(h.effects.messageBoxes[1].text.empty());
    CHECK(h.effects.messageBoxes[1].caption == std::string(kProgramName));
    CHECK(h.effects.messageBoxes[1].style == MB_OK);
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
    CHECK(h.main.Flash.CurrentPage() == "home");
  }

  SUBCASE("a file gone since the refill fails with a message and writes nothing") {
    h.ClickRowNamed("001.BCK");
    DeleteFileA(written.path.c_str());
    h.effects.answers = {IDYES};
    h.Press(h.backup.cmdRestore);
    REQUIRE(h.effects.messageBoxes.size() == 2);
    CHECK_FALSE(h.effects.messageBoxes[1].text.empty());
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
  }
}
