#include <doctest.h>

#include <string>
#include <vector>

#include "common/NumberText.h"
#include "ui/Form.h"
#include "ui/TextBox.h"
#include "ui_test_support.h"

using namespace quorvane;
using testing::TypeText;
using testing::WindowTextOf;

namespace {

class TextForm : public Form {
 public:
  TextForm() : Form("frmText", "Text boxes", {4500, 3000}) {
    txtMTUValue.Change = [this] { changes.push_back(txtMTUValue.Text()); };
    txtNotes.Change = [this] { noteChanges.push_back(txtNotes.Text()); };
  }

  TextBox txtMTUValue{*this, "txtMTUValue", {120, 120, 1500, 285}, "576"};
  TextBox txtNotes{*this, "txtNotes", {120, 600, 3000, 1200}, "", TextBoxOptions{.multiLine = true}};
  std::vector<std::string> changes;
  std::vector<std::string> noteChanges;
};

// A box guarded like the advanced wizard's: text that is not a number in the
// range is replaced at once by the field's value, from inside Change.
class GuardedForm : public Form {
 public:
  GuardedForm() : Form("frmGuarded", "Guarded", {4500, 3000}) {
    txtTTLValue.Change = [this] { txtTTLValue_Change(); };
  }

  void txtTTLValue_Change() {
    seen.push_back(txtTTLValue.Text());
    double value = 0;
    if (!ParseNumber(txtTTLValue.Text(), &value) || value < 0 || value > 256)
      txtTTLValue.SetText(std::to_string(fieldTTL));
    seenAfterReplacing.push_back(txtTTLValue.Text());
  }

  TextBox txtTTLValue{*this, "txtTTLValue", {120, 120, 1500, 285}, "64"};
  int fieldTTL = 64;
  std::vector<std::string> seen;
  std::vector<std::string> seenAfterReplacing;
};

}  // namespace

TEST_CASE("a text box raises Change for every change of its text and never for the same text") {
  TextForm form;
  form.txtMTUValue.SetText("1500");  // before loading: the designed text, no event
  form.Load();
  HWND box = form.txtMTUValue.hWnd();
  REQUIRE(box != nullptr);
  CHECK(WindowTextOf(box) == "1500");
  CHECK(form.changes.empty());

  SUBCASE("changes by the program") {
    form.txtMTUValue.SetText("1460");
    form.txtMTUValue.SetText("1460");
    form.txtMTUValue.SetText("");
    CHECK(form.changes == std::vector<std::string>{"1460", ""});
    CHECK(WindowTextOf(box) == "");
  }

  SUBCASE("WM_SETTEXT sent to the box from outside") {
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1492"));
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1492"));
    CHECK(form.changes == std::vector<std::string>{"1492"});
    CHECK(form.txtMTUValue.Text() == "1492");
  }

  SUBCASE("typing and deleting by the user") {
    SendMessageA(box, EM_SETSEL, 0, -1);
    TypeText(box, "9");
    TypeText(box, "6");
    SendMessageA(box, WM_CHAR, VK_BACK, 1);
    CHECK(form.changes == std::vector<std::string>{"9", "96", "9"});
    CHECK(form.txtMTUValue.Text() == "9");
  }

  SUBCASE("typing over a selection with the same character is no change") {
    SendMessageA(box, EM_SETSEL, 3, 4);  // the final "0"
    TypeText(box, "0");
    CHECK(form.changes.empty());
  }

  SUBCASE("a multi-line box, which announces no WM_SETTEXT itself") {
    form.txtNotes.SetText("line one\r\nline two");
    form.txtNotes.SetText("line one\r\nline two");
    SendMessageA(form.txtNotes.hWnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("other"));
    CHECK(form.noteChanges == std::vector<std::string>{"line one\r\nline two", "other"});
  }
}

TEST_CASE("a Change handler that replaces its own text raises Change once more, inside the assignment") {
  GuardedForm form;
  form.Load();
  HWND box = form.txtTTLValue.hWnd();

  SUBCASE("an invalid text set by the program") {
    form.txtTTLValue.SetText("257");
    // The outer handler sees 257, replaces it; the nested run sees 64 and keeps it.
    CHECK(form.seen == std::vector<std::string>{"257", "64"});
    CHECK(form.seenAfterReplacing == std::vector<std::string>{"64", "64"});
    CHECK(form.txtTTLValue.Text() == "64");
    CHECK(WindowTextOf(box) == "64");
  }

  SUBCASE("a valid text stays") {
    form.txtTTLValue.SetText("256");
    CHECK(form.seen == std::vector<std::string>{"256"});
    CHECK(WindowTextOf(box) == "256");
  }

  SUBCASE("the user deletes the last character") {
    form.fieldTTL = 128;
    SendMessageA(box, EM_SETSEL, 0, -1);
    SendMessageA(box, WM_CHAR, VK_BACK, 1);
    CHECK(form.seen == std::vector<std::string>{"", "128"});
    CHECK(WindowTextOf(box) == "128");
  }
}

TEST_CASE("a Change handler that never settles stops nesting instead of exhausting the stack") {
  TextForm form;
  form.Load();
  int runs = 0;
  form.txtMTUValue.Change = [&] {
    ++runs;
    form.txtMTUValue.SetText(form.txtMTUValue.Text() + "x");
  };
  form.txtMTUValue.SetText("a");
  CHECK(runs == TextBox::kMaxChangeNesting);
  CHECK(form.txtMTUValue.Text() == "a" + std::string(TextBox::kMaxChangeNesting, 'x'));
  // Once unwound, the next change is raised normally again.
  runs = 0;
  form.txtMTUValue.Change = [&] { ++runs; };
  form.txtMTUValue.SetText("b");
  CHECK(runs == 1);
}
