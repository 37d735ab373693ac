// For the demo programs that show a window in the main window for a
// screenshot: a program folder with the repository's data files, and a
// message loop that ends by itself.
#pragma once

#include <windows.h>

#include <string>

#include "system/ProgramFolder.h"
#include "ui/MessageLoop.h"

namespace testing {

// A path of the Linux side as Wine's drive Z: shows it.
inline std::string WinePath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// Makes a program folder of that name in the temporary folder, with the movie,
// the skin and the splash of the data folder, and points the program at it.
inline std::string UseDemoProgramFolder(const std::string& name, const std::string& dataFolder) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* file : {"Quorvane.swf", "QuorvaneMask.skn", "QuorvaneSpl.spl"})
    CopyFileA(WinePath(dataFolder + "/" + file).c_str(), (folder + "\\" + file).c_str(), FALSE);
  quorvane::OverrideProgramFolder(folder);
  return folder;
}

// Runs the message loop for the given seconds.
inline int RunMessageLoopFor(int seconds) {
  struct Quit {
    static void CALLBACK Timer(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }
  };
  SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, &Quit::Timer);
  return quorvane::RunMessageLoop();
}

}  // namespace testing
