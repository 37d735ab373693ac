#include <doctest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Fonts.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PictureBox.h"
#include "ui/Screen.h"
#include "ui/Slider.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"
#include "ui/UpDown.h"
#include "ui_test_support.h"

using namespace quorvane;

namespace {

// A tool window as the main window hosts them: no border, a client area of the
// frame's size, at (0, 0).
class ToolForm : public Form {
 public:
  ToolForm() : Form("frmWizardMode", "Wizard Mode", {5400, 3660}, FormOptions{.border = FormBorder::None}) {}

  void Form_Load() override {
    log.push_back("Form_Load");
    visibleDuringLoad = IsWindowVisible(hWnd()) != FALSE;
    controlsMadeBeforeLoad = cmdOptimize.hWnd() != nullptr && tmrTick.Running();
    cmdOptimize.SetCaption("Optimize &Now");  // controls can be set up here
  }
  void Form_Unload() override {
    log.push_back("Form_Unload");
    controlsAliveDuringUnload = IsWindow(cmdOptimize.hWnd()) != FALSE;
  }

  Frame frameOptimizationMode{*this, "frameOptimizationMode", {105, 195, 5145, 2925}, "Optimization Modes"};
  OptionButton optMode{frameOptimizationMode, ControlName("optMode", 0), {120, 240, 2000, 255}, "Automatic-A", true};
  SkinLabel lblModeDescrip{frameOptimizationMode, "lblModeDescrip", {120, 1300, 4800, 1400}, "Modes Description"};
  CommandButton cmdOptimize{*this, "cmdOptimize", {998, 3180, 3465, 315}, "Optimize"};
  Timer tmrTick{*this, "tmrTick", 60000};
  std::vector<std::string> log;
  bool visibleDuringLoad = true;
  bool controlsMadeBeforeLoad = false;
  bool controlsAliveDuringUnload = false;
};

class HostForm : public Form {
 public:
  HostForm() : Form("frmMain", "Quorvane", {10635, 7485}, FormOptions{.border = FormBorder::None}) {}
  Frame framChildWindow{*this, "framChildWindow", {3465, 1785, 5400, 3660}};
};

class EveryKindForm : public Form {
 public:
  EveryKindForm() : Form("frmEvery", "Every kind", {6000, 4000}) {}
  CommandButton cmd{*this, "cmd", {0, 0, 900, 300}};
  CheckBox chk{*this, "chk", {0, 300, 900, 300}};
  OptionButton opt{*this, "opt", {0, 600, 900, 300}};
  TextBox txt{*this, "txt", {0, 900, 900, 300}};
  Label lbl{*this, "lbl", {0, 1200, 900, 300}};
  Frame frame{*this, "frame", {1000, 0, 2000, 1500}};
  ComboBox cmb{*this, "cmb", {1000, 1600, 900, 300}};
  ListView lst{*this, "lst", {3100, 0, 2000, 1500}};
  Slider sld{*this, "sld", {1000, 2000, 2000, 450}};
  TextBox txtBuddy{*this, "txtBuddy", {3100, 1600, 900, 300}, "1"};
  UpDown updn{txtBuddy, "updn"};
  PictureBox pic{*this, "pic", {3100, 2000, 900, 900}};
  Timer tmr{*this, "tmr"};
};

std::string FontFaceOf(HFONT font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(screen, LF_FACESIZE, face);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return face;
}

BOOL CALLBACK FindToolTipWindow(HWND window, LPARAM found) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == TOOLTIPS_CLASSA) *reinterpret_cast<HWND*>(found) = window;
  return TRUE;
}

}  // namespace

TEST_CASE("twips become pixels at the screen's resolution, 15 to the pixel at 96 dpi") {
  CHECK(TwipsToPixels(15) == 1);
  CHECK(TwipsToPixels(3465) == 231);
  CHECK(TwipsToPixels(10635) == 709);
  CHECK(TwipsToPixels(7695) == 513);
  CHECK(TwipsToPixels(998) == 67);  // 66.53 rounds up
  CHECK(TwipsToPixels(-570) == -38);
  CHECK(TwipsToPixels(-7) == 0);
  CHECK(TwipsToPixels(-8) == -1);  // halves go away from zero, as for positive twips
  CHECK(TwipsToPixels(8) == 1);
  CHECK(TwipsToPixels(1440, 120) == 120);
  CHECK(TwipsPerPixel(96) == 15);
  CHECK(TwipsPerPixel(120) == 12);
  CHECK(PixelsToTwips(709) == 10635);
  CHECK(ScreenDpi() == 96);  // the Wine prefix's default

  HostForm host;
  host.Load();
  SIZE client = host.ClientPixelSize();
  CHECK(client.cx == 709);
  CHECK(client.cy == 499);
  CHECK(host.framChildWindow.PixelBounds() == PixelRect{231, 119, 360, 244});
  host.SetOuterSizeTwips({10710, 7485});
  CHECK(host.OuterPixelBounds().width == 714);
  CHECK(host.OuterPixelBounds().height == 499);
}

TEST_CASE("Load makes the form hidden with its controls and runs Form_Load; Unload runs Form_Unload") {
  ToolForm form;
  CHECK_FALSE(form.IsLoaded());
  CHECK(form.cmdOptimize.hWnd() == nullptr);

  form.Load();
  form.Load();  // loaded already: nothing more
  REQUIRE(form.IsLoaded());
  CHECK(form.log == std::vector<std::string>{"Form_Load"});
  CHECK_FALSE(form.visibleDuringLoad);
  CHECK(form.controlsMadeBeforeLoad);
  CHECK_FALSE(form.Visible());
  CHECK(testing::WindowTextOf(form.cmdOptimize.hWnd()) == "Optimize &Now");

  form.Show();
  CHECK(form.Visible());
  CHECK(IsWindowVisible(form.cmdOptimize.hWnd()));
  form.Hide();
  CHECK_FALSE(form.Visible());
  CHECK(form.tmrTick.Running());  // timers run while the form is hidden

  HWND window = form.hWnd();
  form.Unload();
  CHECK(form.log == std::vector<std::string>{"Form_Load", "Form_Unload"});
  CHECK(form.controlsAliveDuringUnload);
  CHECK_FALSE(form.IsLoaded());
  CHECK_FALSE(IsWindow(window));
  CHECK(form.cmdOptimize.hWnd() == nullptr);
  CHECK_FALSE(form.tmrTick.Running());
  form.Unload();  // not loaded: nothing
  CHECK(form.log.size() == 2);

  // Loaded again, the controls come back with the properties they had.
  form.Load();
  CHECK(form.log.back() == "Form_Load");
  CHECK(form.optMode.Value());
  CHECK(form.optMode.Send(BM_GETCHECK) == BST_CHECKED);
  CHECK(form.tmrTick.Running());
}

TEST_CASE("closing a form's window unloads it") {
  ToolForm form;
  form.Load();
  SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
  CHECK(form.log == std::vector<std::string>{"Form_Load", "Form_Unload"});
  CHECK_FALSE(form.IsLoaded());
}

TEST_CASE("a form re-parented into a frame becomes a child window there") {
  HostForm host;
  testing::ShowQuietly(host);
  HWND frame = host.framChildWindow.hWnd();

  SUBCASE("a form loaded as a top-level window, then hosted") {
    ToolForm tool;
    tool.Load();
    CHECK(GetParent(tool.hWnd()) == nullptr);
    CHECK((testing::StyleOf(tool.hWnd()) & WS_POPUP) != 0);
    tool.HostIn(frame);
    CHECK(GetParent(tool.hWnd()) == frame);
    CHECK(GetAncestor(tool.hWnd(), GA_ROOT) == host.hWnd());
    CHECK((testing::StyleOf(tool.hWnd()) & WS_CHILD) != 0);
    CHECK((testing::StyleOf(tool.hWnd()) & WS_POPUP) == 0);
    CHECK(tool.OuterPixelBounds() == PixelRect{0, 0, 360, 244});
    CHECK_FALSE(tool.Visible());  // hosting does not show it
    tool.Show();
    CHECK(IsWindowVisible(tool.hWnd()));
    CHECK(IsWindowVisible(tool.cmdOptimize.hWnd()));

    tool.Hide();
    tool.HostIn(nullptr);  // back to a top-level window
    CHECK(GetParent(tool.hWnd()) == nullptr);
    CHECK((testing::StyleOf(tool.hWnd()) & WS_CHILD) == 0);
    CHECK(tool.ClientPixelSize().cx == 360);
  }

  SUBCASE("a form hosted before it loads is made as a child") {
    ToolForm tool;
    tool.HostIn(frame);
    tool.Load();
    CHECK(GetParent(tool.hWnd()) == frame);
    CHECK((testing::StyleOf(tool.hWnd()) & WS_CHILD) != 0);
    CHECK_FALSE(tool.Visible());
    CHECK(tool.log == std::vector<std::string>{"Form_Load"});
  }

  SUBCASE("a hosted form goes when its host is destroyed, and can load again") {
    ToolForm tool;
    tool.HostIn(frame);
    tool.Load();
    DestroyWindow(host.hWnd());
    CHECK_FALSE(tool.IsLoaded());
    CHECK(tool.cmdOptimize.hWnd() == nullptr);
    CHECK_FALSE(tool.tmrTick.Running());
    tool.Load();
    CHECK(tool.IsLoaded());
    CHECK(GetParent(tool.hWnd()) == nullptr);
  }
}

TEST_CASE("a form knows its controls by name, in declaration order, each with its kind") {
  ToolForm form;
  std::vector<std::string> names;
  for (Control* control : form.Controls()) names.push_back(control->DisplayName());
  CHECK(names == std::vector<std::string>{"frameOptimizationMode", "optMode(0)", "lblModeDescrip", "cmdOptimize",
                                          "tmrTick"});
  CHECK(form.FindControl("CMDOPTIMIZE") == &form.cmdOptimize);  // names ignore letter case
  CHECK(form.FindControl("optMode", 0) == &form.optMode);
  CHECK(form.FindControl("nothing") == nullptr);
  CHECK(form.lblModeDescrip.Kind() == ControlKind::SkinLabel);
  CHECK(std::string(ControlKindName(form.optMode.Kind())) == "OptionButton");
  CHECK(form.optMode.Parent() == &form.frameOptimizationMode);
  CHECK(&form.optMode.OwnerForm() == &form);

  EveryKindForm every;
  every.Load();
  std::vector<std::string> classes;
  for (Control* control : every.Controls()) {
    char name[64] = "";
    if (control->hWnd()) GetClassNameA(control->hWnd(), name, sizeof name);
    classes.push_back(name);
  }
  CHECK(classes == std::vector<std::string>{"Button", "Button", "Button", "Edit", "Static", "QuorvaneFrame",
                                            "ComboBox", "SysListView32", "msctls_trackbar32", "Edit",
                                            "msctls_updown32", "QuorvanePicture", ""});
}

TEST_CASE("every control starts with the classic dialog font") {
  HFONT dialog = DialogFont();
  std::string face = FontFaceOf(dialog);
  LOGFONTA font{};
  GetObjectA(dialog, sizeof font, &font);
  CHECK(font.lfHeight == -11);  // 8 points at 96 dpi
  CHECK((face == "MS Sans Serif" || face == FontFaceOf(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)))));

  EveryKindForm every;
  every.Load();
  for (Control* control : every.Controls()) {
    CHECK(control->Font() == dialog);
    // Frames and pictures draw with Font() themselves; sliders and up-downs show no text.
    bool showsText = control->Kind() != ControlKind::Frame && control->Kind() != ControlKind::PictureBox &&
                     control->Kind() != ControlKind::Slider && control->Kind() != ControlKind::UpDown;
    if (control->hWnd() && showsText) CHECK(reinterpret_cast<HFONT>(control->Send(WM_GETFONT)) == dialog);
  }
  every.lbl.SetFont(FontChoice{.points = 10, .bold = true});
  CHECK(reinterpret_cast<HFONT>(every.lbl.Send(WM_GETFONT)) == SharedFont(FontChoice{.points = 10, .bold = true}));
  CHECK(SharedFont(FontChoice{.points = 10, .bold = true}) != dialog);
}

TEST_CASE("a picture box: mouse events, Click, and the form's own drawing") {
  EveryKindForm form;
  form.Load();
  std::vector<std::string> log;
  form.pic.MouseDown = [&](const MouseEventArgs& args) { log.push_back("down " + std::to_string(args.x)); };
  form.pic.MouseUp = [&](const MouseEventArgs& args) { log.push_back("up " + std::to_string(args.button)); };
  form.pic.Click = [&] { log.push_back("click"); };
  SendMessageA(form.pic.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
  SendMessageA(form.pic.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
  SendMessageA(form.pic.hWnd(), WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
  SendMessageA(form.pic.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
  SendMessageA(form.pic.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(500, 6));  // released outside: no Click
  CHECK(log == std::vector<std::string>{"down 5", "up 1", "click", "up 2", "down 5", "up 1"});

  form.pic.SetBackColor(RGB(255, 255, 204));
  form.pic.Paint = [](HDC dc, const RECT&) { SetPixel(dc, 3, 4, RGB(200, 0, 0)); };
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 60, 60);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SendMessageA(form.pic.hWnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  CHECK(GetPixel(memory, 3, 4) == RGB(200, 0, 0));
  CHECK(GetPixel(memory, 10, 10) == RGB(255, 255, 204));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST_CASE("tool tips and posted calls") {
  EveryKindForm form;
  form.cmd.SetToolTipText("Saves the settings");  // kept until the window exists
  form.Load();
  form.sld.SetToolTipText("0 MB to free when Optimize is clicked");
  HWND tips = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindToolTipWindow, reinterpret_cast<LPARAM>(&tips));
  REQUIRE(tips != nullptr);
  CHECK(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0) == 2);
  form.sld.SetToolTipText("");
  CHECK(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0) == 1);

  std::vector<std::string> log;
  form.cmd.Click = [&] {
    form.PostCall([&] { log.push_back("posted"); });
    log.push_back("handler");
  };
  form.cmd.Send(BM_CLICK);
  CHECK(log == std::vector<std::string>{"handler"});
  CHECK(testing::PumpUntil([&] { return log.size() == 2; }));
  CHECK(log.back() == "posted");
}

TEST_CASE("a handler may unload its own form, and a failing handler leaves the window running") {
  EveryKindForm form;
  form.Load();
  int clicks = 0;
  form.cmd.Click = [&] {
    if (++clicks == 1) throw std::runtime_error("the handler failed");
    form.Unload();
  };
  form.cmd.Send(BM_CLICK);  // the exception stops at the window procedure
  CHECK(clicks == 1);
  CHECK(form.IsLoaded());
  form.chk.Send(BM_CLICK);  // the form still answers
  CHECK(form.chk.Value() == kChecked);

  form.cmd.Send(BM_CLICK);  // destroys the button inside its own click
  CHECK(clicks == 2);
  CHECK_FALSE(form.IsLoaded());
  CHECK(form.cmd.hWnd() == nullptr);
}

TEST_CASE("the hourglass shows over the form and its controls while the work lasts") {
  EveryKindForm form;
  form.Load();
  HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
  form.SetMousePointer(MousePointer::Hourglass);
  // A control asks its parents first; the form answers for all of them.
  LRESULT handled = SendMessageA(form.txt.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.txt.hWnd()),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  CHECK(handled == TRUE);
  CHECK(GetCursor() == wait);
  handled = SendMessageA(form.frame.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.frame.hWnd()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  CHECK(handled == TRUE);

  form.SetMousePointer(MousePointer::Default);
  SendMessageA(form.txt.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.txt.hWnd()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  CHECK(GetCursor() == LoadCursor(nullptr, IDC_IBEAM));  // the text box's own again
}
