// A tool window's host for tests: records what the window asked of the main window.
#pragma once

#include <string>
#include <vector>

#include "ui/ToolWindowHost.h"

namespace testing {

class RecordingHost : public quorvane::ToolWindowHost {
 public:
  int skinned = 0;
  int wentHome = 0;
  std::vector<std::string> homeNotes;
  std::vector<std::pair<std::string, std::string>> movieVariables;
  std::vector<std::string> toolTips;

  void SkinToolWindow(quorvane::Form&) override { ++skinned; }
  void returnHome() override { ++wentHome; }
  void ShowHomeNote(const std::string& text) override { homeNotes.push_back(text); }
  void SetMovieVariable(const std::string& name, const std::string& value) override {
    movieVariables.emplace_back(name, value);
  }
  void SetTrayToolTip(const std::string& text) override { toolTips.push_back(text); }
};

}  // namespace testing
