// Effects for tests: records every call, answers message boxes from a queue, and
// installs itself for its lifetime.
#pragma once

#include <deque>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "system/Effects.h"

namespace testing {

class RecordingEffects : public quorvane::Effects {
 public:
  struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
  };

  RecordingEffects() { quorvane::SetEffects(this); }
  ~RecordingEffects() override { quorvane::SetEffects(nullptr); }

  // Answers for the next message boxes, in order; IDOK once they run out.
  std::deque<int> answers;

  std::vector<UINT> endedProcesses;
  std::vector<UINT> restarts;
  bool restartSucceeds = true;
  struct StartedProgram {
    std::string application, commandLine;
    int showCommand;
    bool operator==(const StartedProgram&) const = default;
  };
  std::vector<StartedProgram> startedPrograms;
  bool startSucceeds = true;
  DWORD restartError = ERROR_PRIVILEGE_NOT_HELD;  // the system's reason when it refuses
  struct ShellOpenCall {
    HWND owner;
    std::string verb, file, parameters, directory;
    int showCommand;
  };
  std::vector<ShellOpenCall> shellOpens;
  std::vector<MessageBoxCall> messageBoxes;
  std::vector<std::string> sounds;

  void EndProcess(UINT exitCode) override { endedProcesses.push_back(exitCode); }
  std::vector<DWORD> restartReasons;
  bool RestartWindows(UINT flags, DWORD reason) override {
    restarts.push_back(flags);
    restartReasons.push_back(reason);
    if (!restartSucceeds) SetLastError(restartError);
    return restartSucceeds;
  }
  bool StartProgram(const std::string& application, const std::string& commandLine, int showCommand) override {
    startedPrograms.push_back({application, commandLine, showCommand});
    return startSucceeds;
  }
  bool ShellOpen(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& directory, int showCommand) override {
    shellOpens.push_back({owner, verb, file, parameters, directory, showCommand});
    return true;
  }
  int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style) override {
    messageBoxes.push_back({owner, text, caption, style});
    if (answers.empty()) return IDOK;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void PlaySoundFile(const std::string& path) override { sounds.push_back(path); }

  // Programs run to their end, with the content of the file named after "/XML "
  // as it was during the run; each answered by runAnswer.
  struct RunCall {
    std::string program, arguments, xmlFile;
  };
  std::vector<RunCall> runs;
  quorvane::ProgramRun runAnswer{true, 0, 0, ""};
  quorvane::ProgramRun RunProgram(const std::string& program, const std::string& arguments) override {
    RunCall call{program, arguments, {}};
    if (size_t at = arguments.find("/XML \""); at != std::string::npos) {
      const size_t start = at + 6, end = arguments.find('"', start);
      std::ifstream file(arguments.substr(start, end - start), std::ios::binary);
      call.xmlFile.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    runs.push_back(call);
    return runAnswer;
  }

  // The save dialog's answer: the path chosen, or empty for Cancel.
  std::string saveFileAnswer;
  struct SaveFileCall {
    std::string title, filter, defaultExtension, suggested;
  };
  std::vector<SaveFileCall> saveFileDialogs;
  bool ChooseSaveFile(HWND, const std::string& title, const std::string& filter, const std::string& defaultExtension,
                      std::string* path) override {
    saveFileDialogs.push_back({title, filter, defaultExtension, *path});
    if (saveFileAnswer.empty()) return false;
    *path = saveFileAnswer;
    return true;
  }
};

}  // namespace testing
