// What a tool window asks of the window that hosts it, and what the backup
// manager offers it. The main window implements the host and hands it to each tool
// window when it installs it, so the tool windows never see the main window
// itself (and tests host a window with a small recording host instead).
#pragma once

#include <string>

#include "ui/Form.h"

namespace quorvane {

class ToolWindowHost {
 public:
  virtual ~ToolWindowHost() = default;

  // Gives the window the skin's look: its background and border, then every control.
  virtual void SkinToolWindow(Form& window) = 0;
  // Brings the movie back in front, on its home page.
  virtual void returnHome() = 0;
  // One line on the movie's home page saying what the last change did.
  virtual void ShowHomeNote(const std::string& text) = 0;
  // Sets a variable of the movie ("_root.home").
  virtual void SetMovieVariable(const std::string& name, const std::string& value) = 0;
  // The tool-tip of the tray icon.
  virtual void SetTrayToolTip(const std::string& text) = 0;
};

// The base of the tool windows: a borderless form that knows its host. Until a
// host is attached it has one that does nothing, so a window can load on its own.
class ToolForm : public Form {
 public:
  ToolForm(std::string name, std::string caption, TwipsSize clientSize);

  void AttachHost(ToolWindowHost& host) { host_ = &host; }
  ToolWindowHost& Host() const { return *host_; }

  // Changes a person made and has not saved, which closing the program would lose.
  virtual bool HasUnsavedChanges() const { return false; }
  // Saves them as the window's Save does; false when that failed (the window says why).
  virtual bool SaveChanges() { return true; }

 private:
  ToolWindowHost* host_;
};

// The backup manager refreshes its list before the main window shows it.
class BackupListWindow {
 public:
  virtual ~BackupListWindow() = default;
  virtual void intializeList() = 0;
};

}  // namespace quorvane
