#include <doctest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "shell/tray/Tray.h"

using namespace quorvane;

namespace {

struct TrayHarness {
  HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  Tray tray;
  std::string events;
  TrayHarness() {
    REQUIRE(tray.Create(host));
    tray.LeftClick = [this] { events += "L"; };
    tray.RightClick = [this] { events += "R"; };
    tray.MouseClick = [this](int& button) { events += std::to_string(button); };
  }
  ~TrayHarness() {
    tray.Show(false);
    DestroyWindow(host);
  }
  // The shell's callback: WM_MOUSEMOVE with the mouse message in lParam.
  void Notify(UINT mouseMessage) { SendMessageA(tray.hWnd(), WM_MOUSEMOVE, 0, mouseMessage); }
};

std::string Field(const char* field, size_t width) { return std::string(field, width); }

}  // namespace

TEST_CASE("the icon record is filled field by field, texts padded with blanks") {
  TrayHarness h;
  HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
  h.tray.SetTrayImage(icon);
  h.tray.Show(true);
  CHECK(h.tray.IsVisible());

  const IconDataRecord& r = h.tray.IconData();
  // The shell's record: a 64-bit program's has 8-byte window and icon handles.
  const size_t wide = sizeof(void*) == 8 ? 16 : 0;
  CHECK(sizeof r == 488 + wide);
  CHECK(r.cbSize == 488 + wide);
  CHECK(r.hWnd == h.tray.hWnd());
  CHECK(r.uID == 1);
  CHECK(r.uFlags == 7);
  CHECK(r.uCallbackMessage == 0x200);
  CHECK(r.hIcon == icon);
  std::string tip = " Program notification " + std::string(1, '\0');
  CHECK(Field(r.szTip, 128) == tip + std::string(128 - tip.size(), ' '));
  CHECK(r.dwState == 0);
  CHECK(Field(r.szInfo, 256) == std::string(256, '\0'));  // untouched until a balloon
  // Byte offsets of the 32-bit layout, each 16 further on in the 64-bit one.
  const char* base = reinterpret_cast<const char*>(&r);
  CHECK(size_t(reinterpret_cast<const char*>(&r.szTip) - base) == 24 + wide);
  CHECK(size_t(reinterpret_cast<const char*>(&r.szInfo) - base) == 160 + wide);
  CHECK(size_t(reinterpret_cast<const char*>(&r.uTimeout) - base) == 416 + wide);
  CHECK(size_t(reinterpret_cast<const char*>(&r.szInfoTitle) - base) == 420 + wide);
  CHECK(size_t(reinterpret_cast<const char*>(&r.dwInfoFlags) - base) == 484 + wide);

  h.tray.showBalloonoolTip(true);
  CHECK(r.uFlags == 0x17);
  // Terminated before the padding, so the balloon is as wide as its text.
  CHECK(Field(r.szInfo, 256) == "The program is still running here." + std::string(1, '\0') + std::string(256 - 35, ' '));
  CHECK(Field(r.szInfoTitle, 64) == "Program notification" + std::string(1, '\0') + std::string(64 - 21, ' '));
  CHECK(r.uTimeout == 1);
  CHECK(r.dwInfoFlags == 1);
  CHECK(h.tray.IsVisible());

  // Showing again modifies; the balloon texts stay in the record, the flags drop NIF_INFO.
  h.tray.Show(true);
  CHECK(r.uFlags == 7);
  h.tray.Show(false);
  CHECK_FALSE(h.tray.IsVisible());
}

TEST_CASE("tip texts: an empty tooltip gives only the terminator; long ones are cut to 127") {
  CHECK(TipText("") == std::string(1, '\0'));
  CHECK(TipText("x") == std::string(" x ") + '\0');
  std::string cut = TipText(std::string(200, 'a'));
  CHECK(cut.size() == 128);
  CHECK(cut.back() == '\0');
  CHECK(cut.substr(0, 2) == " a");

  TrayHarness h;
  h.tray.SetTrayToolTip("");
  h.tray.Show(true);
  CHECK(h.tray.IconData().szTip[0] == '\0');
  CHECK(h.tray.IconData().szTip[1] == ' ');
  h.tray.showBalloonoolTip(true);
  CHECK(std::string(h.tray.IconData().szInfoTitle) == "Program notification");  // the title is not the tip
  h.tray.SetTrayBalloonToolTip(std::string(300, 'b'));
  h.tray.showBalloonoolTip(true);
  CHECK(Field(h.tray.IconData().szInfo, 256) == std::string(255, 'b') + '\0');
}

TEST_CASE("removing an icon never shown sends nothing; a balloon without a shown icon adds none") {
  TrayHarness h;
  h.tray.Show(false);
  CHECK_FALSE(h.tray.IsVisible());
  CHECK(h.tray.IconData().cbSize == 0);  // nothing was ever filled
  h.tray.showBalloonoolTip(false);
  CHECK(h.tray.IconData().cbSize == 0);
  h.tray.showBalloonoolTip(true);
  CHECK_FALSE(h.tray.IsVisible());
}

TEST_CASE("clicks: one event per press within the guard, by event mode") {
  TrayHarness h;
  h.Notify(WM_LBUTTONDOWN);
  h.Notify(WM_LBUTTONDOWN);  // within 15 ms: ignored
  CHECK(h.events == "L");
  CHECK(h.tray.ClickBusy());
  h.tray.Timer1_Timer();
  CHECK_FALSE(h.tray.ClickBusy());
  h.Notify(WM_RBUTTONDOWN);
  h.tray.Timer1_Timer();
  for (UINT ignored : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK, WM_MBUTTONDOWN}) h.Notify(ignored);
  CHECK(h.events == "LR");
  CHECK_FALSE(h.tray.ClickBusy());

  h.tray.SetEventMode(1);
  h.Notify(WM_RBUTTONDOWN);
  h.tray.Timer1_Timer();
  h.Notify(WM_LBUTTONDOWN);
  CHECK(h.events == "LR21");

  SUBCASE("the guard clears itself on its timer") {
    MSG msg;
    DWORD until = GetTickCount() + 1000;
    while (h.tray.ClickBusy() && GetTickCount() < until) {
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      Sleep(5);
    }
    CHECK_FALSE(h.tray.ClickBusy());
  }
}

TEST_CASE("event mode is clamped; properties keep their keys and defaults") {
  TrayHarness h;
  h.tray.SetEventMode(5);
  CHECK(h.tray.EventMode() == 1);
  h.tray.SetEventMode(-3);
  CHECK(h.tray.EventMode() == 0);
  CHECK(h.tray.ChangedProperties().count("EventMode") == 1);

  PropertyBag bag;
  h.tray.WriteProperties(bag);
  CHECK(bag == PropertyBag{{"BalloonTip", "The program is still running here."},
                           {"EventMode", "0"},
                           {"TrayToolTip", "Program notification"}});
  Tray loaded;
  loaded.ReadProperties({{"EventMode", "7"}, {"TrayToolTip", "Tip"}});
  CHECK(loaded.EventMode() == 1);
  CHECK(loaded.TrayToolTip() == "Tip");
  CHECK(loaded.TrayBalloonToolTip() == "The program is still running here.");
}

TEST_CASE("a bitmap becomes a 32 x 32 icon; the control stays 36 x 36") {
  TrayHarness h;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 48, 48);
  ReleaseDC(nullptr, screen);
  h.tray.SetTrayImage(bitmap);
  REQUIRE(h.tray.TrayImage());
  ICONINFO info{};
  REQUIRE(GetIconInfo(h.tray.TrayImage(), &info));
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  CHECK(mask.bmWidth == 32);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DeleteObject(bitmap);
  h.tray.SetTrayImage(static_cast<HICON>(nullptr));
  CHECK(h.tray.TrayImage() == nullptr);

  MoveWindow(h.tray.hWnd(), 0, 0, 200, 10, FALSE);
  RECT r;
  GetWindowRect(h.tray.hWnd(), &r);
  CHECK(r.right - r.left == 36);
  CHECK(r.bottom - r.top == 36);
}
