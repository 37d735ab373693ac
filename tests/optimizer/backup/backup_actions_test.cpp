#include <doctest.h>

#include "backup_manager_harness.h"
#include "common/ProgramName.h"
#include "optimizer/BackupFiles.h"
#include "support/MovieClicks.h"
#include "system/mdlOSVersion.h"

using namespace quorvane;
using Texts = std::vector<std::string>;
using testing::BackupManagerHarness;

namespace {

const char* const kParameters = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char* const kQuestionDelete = "Do you want to delete this file?";
const char* const kQuestionRestore =
    "Restore backup 001.BCK? It changes 2 values.\r\n\r\nWhat is there now is backed up first, as 004.BCK.";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Records 1 to 3 of an NT backup, DefaultTTL 100 and every other value 1.
std::string NtRecords() {
  std::string text = "\"" + std::string(kParameters) + "\"\r\n";
  for (const char* name : {"SackOpts", "Tcp1323Opts", "TcpMaxDupAcks", "DefaultReceiveWindow", "DefaultTTL",
                           "GlobalMaxTcpWindowSize", "TcpWindowSize", "EnablePMTUBHDetect", "EnablePMTUDiscovery",
                           "KeepAliveTime", "KeepAliveInterval", "SYNAttackProtect", "EnableICMPRedirects"})
    text += "\"" + std::string(name) + "\"\r\n" + (std::string(name) == "DefaultTTL" ? "100" : "1") + "\r\n";
  return text +
         "\"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\"\r\n"
         "\"MaxConnectionsPer1_0Server\"\r\n1\r\n\"MaxConnectionsPerServer\"\r\n1\r\n"
         "\"System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize\"\r\n\"\"\r\n1\r\n";
}

// Puts the movie on another page than home, through its "About" button.
void MovieAway(BackupManagerHarness& h) {
  REQUIRE(testing::ClickMovieButtonTurningTo(h.main.Flash, "about"));
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

  SUBCASE("No, Escape or the close box keep the file and the list; No is the default") {
    h.ClickRowNamed("002.BCK");
    h.effects.answers = {IDNO, IDCANCEL, 0};
    for (int press = 0; press < 3; ++press) h.Press(h.backup.cmdDelete);
    REQUIRE(h.effects.messageBoxes.size() == 3);
    CHECK(h.effects.messageBoxes[0].text == std::string(kQuestionDelete) + "\r\n\r\n002.BCK");
    CHECK(h.effects.messageBoxes[0].caption == "Quorvane");
    CHECK(h.effects.messageBoxes[0].style == (MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
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
  // Damaged at its end, after a good DefaultTTL: the whole file is judged before anything is written.
  h.WriteBackup("003.BCK", "2004-05-03", "09:00:00", OSVersionId,
                NtRecords() + "\"" + std::string(kParameters) + "\"\r\n\"SackOpts\"\r\nnot a number\r\n");
  MovieAway(h);
  h.ClickHeader(0);

  SUBCASE("No, Escape or the close box write nothing and leave the movie") {
    h.ClickRowNamed("001.BCK");
    h.effects.answers = {IDNO, IDCANCEL, 0};
    for (int press = 0; press < 3; ++press) h.Press(h.backup.cmdRestore);
    REQUIRE(h.effects.messageBoxes.size() == 3);
    CHECK(h.effects.messageBoxes[0].text == kQuestionRestore);
    CHECK(h.effects.messageBoxes[0].caption == "Quorvane");
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
    CHECK(h.main.Flash.Variable("_root.status") == "Restored 001.BCK. What was there before is in 004.BCK. "
                                                   "It takes effect after Windows restarts.");
    CHECK(h.FrameInFront());
    CHECK(h.backup.Visible());
    CHECK(Exists(written.path));
    // What was there before comes back from the backup the restore took.
    h.ClickRowNamed("004.BCK");
    h.effects.answers = {IDYES};
    h.Press(h.backup.cmdRestore);
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
  }

  SUBCASE("with no backup number left, it says so and asks nothing") {
    h.WriteBackup("999.BCK", "2004-05-09", "09:00:00", OSVersionId);
    h.Open();
    h.ClickRowNamed("001.BCK");
    h.Press(h.backup.cmdRestore);
    REQUIRE(h.effects.messageBoxes.size() == 1);
    CHECK(h.effects.messageBoxes[0].text.find("999.BCK exists") != std::string::npos);
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
  }

  SUBCASE("a value the registry refuses: one message naming it, and the rest restored") {
    const std::string interfaceKey = std::string(kParameters) + "\\Interfaces\\{Locked}";
    testing::WriteDword(HKEY_LOCAL_MACHINE, interfaceKey, "MTU", 1400);
    h.WriteBackup("004.BCK", "2004-05-04", "09:00:00", OSVersionId,
                  NtRecords() + "\"" + interfaceKey + "\"\r\n\"MTU\"\r\n576\r\n\"MSS\"\r\n#NULL#\r\n");
    REQUIRE(testing::DenyWriteAccess(HKEY_LOCAL_MACHINE, interfaceKey));
    h.Open();
    h.ClickHeader(0);
    h.ClickRowNamed("004.BCK");
    h.effects.answers = {IDYES};
    h.Press(h.backup.cmdRestore);
    testing::AllowAllAccess(HKEY_LOCAL_MACHINE, interfaceKey);
    REQUIRE(h.effects.messageBoxes.size() == 2);
    CHECK(h.effects.messageBoxes[1].text.find("2 values could not be written") == 0);
    CHECK(h.effects.messageBoxes[1].text.find(interfaceKey + " : MTU") != std::string::npos);
    CHECK(h.effects.messageBoxes[1].style == (MB_OK | MB_ICONERROR));
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 100u);
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, interfaceKey, "MTU") == 1400u);
    testing::DeleteKeyTree(HKEY_LOCAL_MACHINE, interfaceKey);
  }

  SUBCASE("a file from another system: the error, and the registry and the movie as they were") {
    h.ClickRowNamed("002.BCK");
    h.Press(h.backup.cmdRestore);
    REQUIRE(h.effects.messageBoxes.size() == 1);
    CHECK(h.effects.messageBoxes[0].text == "This backup file was taken from another operating system!!");
    CHECK(h.effects.messageBoxes[0].caption == std::string(kProgramName));
    CHECK(h.effects.messageBoxes[0].style == (MB_OK | MB_ICONERROR));
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
    CHECK(h.main.Flash.CurrentPage() == "about");
  }

  SUBCASE("a damaged file: its fault is shown, and the movie still goes home") {
    h.ClickRowNamed("003.BCK");
    h.Press(h.backup.cmdRestore);
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
    REQUIRE(h.effects.messageBoxes.size() == 1);
    CHECK_FALSE(h.effects.messageBoxes[0].text.empty());
    CHECK(h.effects.messageBoxes[0].caption == std::string(kProgramName));
    CHECK(h.effects.messageBoxes[0].style == (MB_OK | MB_ICONERROR));
    CHECK(h.main.Flash.CurrentPage() == "home");
  }

  SUBCASE("a file gone since the refill fails with a message and writes nothing") {
    h.ClickRowNamed("001.BCK");
    DeleteFileA(written.path.c_str());
    h.Press(h.backup.cmdRestore);
    REQUIRE(h.effects.messageBoxes.size() == 1);
    CHECK_FALSE(h.effects.messageBoxes[0].text.empty());
    CHECK(testing::ReadDword(HKEY_LOCAL_MACHINE, kParameters, "DefaultTTL") == 64u);
  }
}

TEST_CASE("Export... writes the selected backup as a REGEDIT4 file where the save dialog says") {
  BackupManagerHarness h("BackupExport");
  h.WriteBackup("001.BCK", "2004-05-01", "17:05:03", 7, NtRecords());
  h.Open();
  h.ClickRowNamed("001.BCK");

  h.Press(h.backup.cmdExport);  // cancelled: nothing written
  REQUIRE(h.effects.saveFileDialogs.size() == 1);
  CHECK(h.effects.saveFileDialogs[0].suggested == "001.reg");
  CHECK(h.effects.saveFileDialogs[0].defaultExtension == "reg");

  h.effects.saveFileAnswer = h.program / "settings.reg";
  h.Press(h.backup.cmdExport);
  auto lines = testing::FileLines(h.program / "settings.reg");
  REQUIRE(lines.size() > 3);
  CHECK(lines[0] == "REGEDIT4");
  CHECK(lines[2] == "[HKEY_LOCAL_MACHINE\\" + std::string(kParameters) + "]");
  CHECK(lines[7] == "\"DefaultTTL\"=dword:00000064");
  REQUIRE(h.effects.messageBoxes.size() == 1);
  CHECK(h.effects.messageBoxes[0].text == "Backup 001.BCK was exported to " + (h.program / "settings.reg") + ".");

  h.WriteBackup("002.BCK", "2004-05-02", "17:05:03", 7, "\"damaged\"\r\n");
  h.Open();
  h.ClickRowNamed("002.BCK");
  h.Press(h.backup.cmdExport);
  REQUIRE(h.effects.messageBoxes.size() == 2);
  CHECK(h.effects.messageBoxes[1].text.find("The backup was not exported.") == 0);
}

namespace {

// Waits for this process's visible dialog box (the system's message box) and
// presses the keys on it, one after another while it stays open.
struct KeysOnDialog {
  std::vector<WPARAM> keys;
  int pressed = 0;
};

BOOL CALLBACK FindOwnDialog(HWND hwnd, LPARAM found) {
  char cls[16] = {};
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(hwnd) || !GetClassNameA(hwnd, cls, sizeof cls) ||
      std::string(cls) != "#32770")
    return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

HWND OwnDialog() {
  HWND found = nullptr;
  EnumWindows(&FindOwnDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

DWORD WINAPI PressKeysOnDialog(void* context) {
  auto* plan = static_cast<KeysOnDialog*>(context);
  for (WPARAM key : plan->keys) {
    HWND dialog = nullptr;
    for (int wait = 0; wait < 100 && !(dialog = OwnDialog()); ++wait) Sleep(30);
    if (!dialog) return 0;
    PostMessageA(dialog, WM_KEYDOWN, key, 1);
    PostMessageA(dialog, WM_KEYUP, key, 0xC0000001);
    ++plan->pressed;
    Sleep(400);
  }
  return 0;
}

}  // namespace

TEST_CASE("on the real question, Escape and Enter keep the file: only an explicit Yes deletes") {
  BackupManagerHarness h("BackupDeleteKeys");
  h.WriteBackup("001.BCK", "2004-05-01", "17:05:03");
  h.Open();
  SetEffects(nullptr);  // the system's own message box
  for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
    CAPTURE(key);
    h.ClickRowNamed("001.BCK");
    KeysOnDialog plan{{key}};
    HANDLE presser = CreateThread(nullptr, 0, &PressKeysOnDialog, &plan, 0, nullptr);
    BackupManagerHarness::Press(h.backup.cmdDelete);
    WaitForSingleObject(presser, 10000);
    CloseHandle(presser);
    CHECK(plan.pressed == 1);
    CHECK(Exists(h.BackupPath("001.BCK")));
  }
  SetEffects(&h.effects);
}
