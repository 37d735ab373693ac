#include <doctest.h>

#include <windows.h>

#include "shell/skin/SkinControl.h"
#include "shell/skin/skin_test_support.h"
#include "system/ProgramFolder.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/ui_test_support.h"

using namespace quorvane;

namespace {

class KindsForm : public Form {
 public:
  KindsForm() : Form("frmKinds", "Kinds", {6000, 3000}, FormOptions{.border = FormBorder::None}) {
    SetPositionTwips(4500, 4500);
  }

  CommandButton cmdSave{*this, "cmdSave", {120, 120, 1200, 375}, "Save"};
  CheckBox chkDoPinging{*this, "chkDoPinging", {120, 600, 2000, 255}, "Enable Pinger"};
  OptionButton optAuto{*this, "optAuto", {120, 900, 2000, 255}, "Automatic"};
  Label lblPlain{*this, "lblPlain", {120, 1200, 2000, 255}, "Plain"};
  TextBox txtHost{*this, "txtHost", {120, 1500, 2000, 285}, "127.0.0.1"};
  ComboBox cmbNDI{*this, "cmbNDI", {120, 1900, 1300, 315}, {"0", "2"}};
  Frame frameOptions{*this, "frameOptions", {3000, 120, 2800, 1500}, "Options"};
};

LONG_PTR ProcedureOf(HWND window) { return GetWindowLongPtrA(window, GWLP_WNDPROC); }

LRESULT CALLBACK PlainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

COLORREF BrushColour(LRESULT brush) {
  LOGBRUSH info{};
  GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof info, &info);
  return info.lbColor;
}

}  // namespace

TEST_CASE("a good skin file loads; a missing or damaged one leaves the plain look and says why") {
  SkinControl skin;
  CHECK(skin.IsPlain());
  testing::TempSkinFile good("good.skn", testing::kTestSkin);
  CHECK(skin.LoadSkin(good.Path()));
  CHECK(skin.LoadError().empty());
  CHECK_FALSE(skin.IsPlain());
  CHECK(skin.Definition().name == "Test");

  const std::string missing = ProgramFolder() + "\\NoSuchSkin.skn";
  CHECK_FALSE(skin.LoadSkin(missing));
  CHECK(skin.IsPlain());
  CHECK(skin.LoadError().find(missing) != std::string::npos);
  // The plain look is the system's.
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  CHECK(skin.Definition().Look(SkinObject::ControlForm).back ==
        SkinColour{GetRValue(face), GetGValue(face), GetBValue(face)});

  std::string text = testing::kTestSkin;
  text.replace(text.find("[Frame]"), 7, "[Frames]");
  testing::TempSkinFile damaged("damaged.skn", text);
  REQUIRE(skin.LoadSkin(good.Path()));
  CHECK_FALSE(skin.LoadSkin(damaged.Path()));
  CHECK(skin.IsPlain());  // not the good skin loaded before
  CHECK(skin.LoadError().find("damaged") != std::string::npos);
  CHECK(skin.LoadError().find("line 36: unknown section [Frames]") != std::string::npos);

  testing::TempSkinFile large("large.skn", std::string(testing::kTestSkin) + std::string(70000, '#'));
  CHECK_FALSE(skin.LoadSkin(large.Path()));
  CHECK(skin.LoadError().find("larger") != std::string::npos);
}

TEST_CASE("the skin refuses what it cannot take and leaves it untouched") {
  SkinControl skin;
  testing::TempSkinFile file("refuse.skn", testing::kTestSkin);
  REQUIRE(skin.LoadSkin(file.Path()));
  KindsForm form;
  testing::ShowQuietly(form);
  HWND icon = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_ICON, 0, 0, 32, 32, form.hWnd(), nullptr, nullptr, nullptr);
  HWND groupBox = CreateWindowExA(0, "BUTTON", "Group", WS_CHILD | BS_GROUPBOX, 0, 0, 90, 60, form.hWnd(), nullptr,
                                  nullptr, nullptr);
  HWND gone = CreateWindowExA(0, "BUTTON", "Gone", WS_CHILD, 0, 0, 90, 30, form.hWnd(), nullptr, nullptr, nullptr);
  DestroyWindow(gone);

  struct Refusal {
    HWND window;
    const char* object;
  };
  const Refusal refusals[] = {
      {nullptr, "Button"},
      {gone, "Button"},
      {GetDesktopWindow(), "Main"},  // another program's window
      {form.cmdSave.hWnd(), "button"},
      {form.cmdSave.hWnd(), "Buttons"},
      {form.cmdSave.hWnd(), ""},
      {form.cmdSave.hWnd(), "CheckBox"},
      {form.cmdSave.hWnd(), "controlForm"},
      {form.chkDoPinging.hWnd(), "Button"},
      {form.chkDoPinging.hWnd(), "RadioBox"},
      {form.optAuto.hWnd(), "CheckBox"},
      {form.txtHost.hWnd(), "Label"},
      {form.txtHost.hWnd(), "Main"},
      {form.cmbNDI.hWnd(), "Frame"},
      {form.frameOptions.hWnd(), "Label"},
      {form.hWnd(), "Button"},
      {icon, "Label"},
      {groupBox, "Button"},
      {groupBox, "Frame"},
  };
  for (const Refusal& refusal : refusals) {
    CAPTURE(refusal.object);
    LONG_PTR before = refusal.window ? ProcedureOf(refusal.window) : 0;
    CHECK_FALSE(skin.ApplySkin(refusal.window, refusal.object));
    CHECK_FALSE(SkinControl::AppliedObject(refusal.window));
    if (refusal.window && IsWindow(refusal.window)) CHECK(ProcedureOf(refusal.window) == before);
  }

  // What each object takes.
  CHECK(skin.ApplySkin(form.cmdSave.hWnd(), "Button"));
  CHECK(skin.ApplySkin(form.chkDoPinging.hWnd(), "CheckBox"));
  CHECK(skin.ApplySkin(form.optAuto.hWnd(), "RadioBox"));
  CHECK(skin.ApplySkin(form.lblPlain.hWnd(), "Label"));
  CHECK(skin.ApplySkin(form.frameOptions.hWnd(), "Frame"));
  CHECK(skin.ApplySkin(form.hWnd(), "controlForm"));

  // Again, in another look: the same window procedure, the new object.
  LONG_PTR skinned = ProcedureOf(form.frameOptions.hWnd());
  CHECK(skin.ApplySkin(form.frameOptions.hWnd(), "NoFrame"));
  CHECK(ProcedureOf(form.frameOptions.hWnd()) == skinned);
  CHECK(SkinControl::AppliedObject(form.frameOptions.hWnd()) == SkinObject::NoFrame);
}

TEST_CASE("a window the control layer did not make takes a window object, and its plain children its colours") {
  SkinControl skin;
  testing::TempSkinFile file("foreign.skn", testing::kTestSkin);
  REQUIRE(skin.LoadSkin(file.Path()));
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &PlainWindowProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = "QuorvaneSkinTestPlain";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "QuorvaneSkinTestPlain", "", WS_POPUP | WS_CLIPCHILDREN, 300, 300, 200, 120, nullptr,
                                nullptr, nullptr, nullptr);
  REQUIRE(window);
  HWND text = CreateWindowExA(0, "STATIC", "Text", WS_CHILD | WS_VISIBLE, 10, 10, 80, 16, window, nullptr, nullptr,
                              nullptr);
  HWND readOnly = CreateWindowExA(0, "EDIT", "Read only", WS_CHILD | WS_VISIBLE | ES_READONLY, 10, 40, 80, 20, window,
                                  nullptr, nullptr, nullptr);

  REQUIRE(skin.ApplySkin(window, "controlForm"));
  testing::RenderedClient rendered(window);
  CHECK(rendered.At(150, 100) == RGB(0xe0, 0xf0, 0xe0));

  HDC dc = GetDC(window);
  LRESULT brush = SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text));
  CHECK(BrushColour(brush) == RGB(0xe0, 0xf0, 0xe0));
  CHECK(GetTextColor(dc) == RGB(0x40, 0, 0));
  // A box a person reads or types in keeps the system's colours.
  SetTextColor(dc, RGB(1, 2, 3));
  brush = SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(readOnly));
  CHECK(BrushColour(brush) != RGB(0xe0, 0xf0, 0xe0));
  CHECK(GetTextColor(dc) != RGB(0x40, 0, 0));
  ReleaseDC(window, dc);

  // Its text label can be skinned as a Label.
  CHECK(skin.ApplySkin(text, "Label"));
  testing::RenderedClient label(text);
  CHECK(label.At(label.Width() - 1, label.Height() - 1) == RGB(0xe0, 0xf0, 0xe0));
  CHECK(label.Count(RGB(0, 0x80, 0)) > 5);
  DestroyWindow(window);
  CHECK_FALSE(SkinControl::AppliedObject(window));
}

TEST_CASE("a skinned button whose click unloads its form") {
  SkinControl skin;
  testing::TempSkinFile file("unload.skn", testing::kTestSkin);
  REQUIRE(skin.LoadSkin(file.Path()));
  KindsForm form;
  int clicks = 0;
  form.cmdSave.Click = [&] {
    ++clicks;
    form.Unload();  // the button's window goes while the skin is handling the release
  };
  testing::ShowQuietly(form);
  HWND button = form.cmdSave.hWnd();
  REQUIRE(skin.ApplySkin(button, "Button"));
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  CHECK(clicks == 1);
  CHECK_FALSE(form.IsLoaded());
  CHECK_FALSE(IsWindow(button));

  // Loaded again, the controls are new windows without a skin until it is applied.
  testing::ShowQuietly(form);
  CHECK_FALSE(SkinControl::AppliedObject(form.cmdSave.hWnd()));
  CHECK(skin.ApplySkin(form.cmdSave.hWnd(), "Button"));
  form.Unload();
}
