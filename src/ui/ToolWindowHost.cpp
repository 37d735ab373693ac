#include "ui/ToolWindowHost.h"

namespace quorvane {

namespace {

class DetachedHost : public ToolWindowHost {
 public:
  void SkinToolWindow(Form&) override {}
  void returnHome() override {}
  void ShowHomeNote(const std::string&) override {}
  void SetMovieVariable(const std::string&, const std::string&) override {}
  void SetTrayToolTip(const std::string&) override {}
};

DetachedHost detachedHost;

}  // namespace

ToolForm::ToolForm(std::string name, std::string caption, TwipsSize clientSize)
    : Form(std::move(name), std::move(caption), clientSize, FormOptions{.border = FormBorder::None}),
      host_(&detachedHost) {}

}  // namespace quorvane
