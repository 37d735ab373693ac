// Benchmark of the backup manager under Wine: 999 backup files in the Backups
// folder, the window shown in the main window; the refill (intializeList) and one
// sort by each column, each repeated and reported as a median against its target.
// Figures only: the targets are judged from the printout, not enforced.
//
//   bench_backupmanager --folder PATH [--reps N]
//     --folder  scratch program folder (its Backups folder is filled and emptied)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "optimizer/BackupFiles.h"
#include "optimizer/BackupFormat.h"
#include "optimizer/backup/frmBackUp.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "system/ProgramFolder.h"

using namespace quorvane;

namespace {

constexpr int kFiles = 999;
constexpr double kFillTargetMs = 150;
constexpr double kSortTargetMs = 30;

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <typename Function>
std::vector<double> Samples(int reps, Function&& function) {
  std::vector<double> samples;
  function();  // the first run warms caches and the list's allocations
  for (int i = 0; i < reps; ++i) {
    const double start = NowMs();
    function();
    samples.push_back(NowMs() - start);
  }
  return samples;
}

double Median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples.empty() ? 0 : samples[samples.size() / 2];
}

void Report(const char* what, const std::vector<double>& samples, double targetMs) {
  const double median = Median(samples);
  const double worst = *std::max_element(samples.begin(), samples.end());
  std::printf("%-34s median %8.2f ms  worst %8.2f ms  target %6.0f ms  median/target %5.2f  %s\n", what, median,
              worst, targetMs, median / targetMs, median <= targetMs ? "within" : "OVER");
}

// 999 files with dates and times scattered by a fixed sequence, so every sort
// has work to do.
void WriteBackups(const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  unsigned seed = 12345;
  auto next = [&seed](unsigned range) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % range;
  };
  for (int number = 1; number <= kFiles; ++number) {
    BackupDate date{static_cast<int>(1998 + next(12)), static_cast<int>(1 + next(12)), static_cast<int>(1 + next(28))};
    BackupTime time{static_cast<int>(next(24)), static_cast<int>(next(60)), static_cast<int>(next(60))};
    // The header and the first record, as a real backup begins (longer than the 64 bytes read).
    const std::string text = FormatDateItem(date) + "\r\n" + FormatTimeItem(time) +
                             "\r\n6\r\n\"System\\CurrentControlSet\\Services\\Tcpip\\Parameters\"\r\n"
                             "\"SackOpts\"\r\n1\r\n\"Tcp1323Opts\"\r\n1\r\n";
    HANDLE file = CreateFileA((folder + "\\" + BackupFileName(number)).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
  }
}

void RemoveBackups(const std::string& folder) {
  for (int number = 1; number <= kFiles; ++number) DeleteFileA((folder + "\\" + BackupFileName(number)).c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder;
  int reps = 9;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--folder") folder = argv[i + 1];
    if (option == "--reps") reps = std::max(1, std::atoi(argv[i + 1]));
  }
  if (folder.empty()) {
    std::fprintf(stderr, "usage: bench_backupmanager --folder PATH [--reps N]\n");
    return 2;
  }
  OverrideProgramFolder(folder);
  WriteBackups(BackupsFolder());

  SaveAppSetting(kMainSettingsSection, "chkRunProgramMini", "0");
  frmMain main;
  frmBackUp backup;
  main.ToolWindowSlots.Install(ToolWindow::BackUp, backup);
  main.Load();
  main.Show();
  main.Flash_FSCommand("IDC_FS_backupmanager", "");
  const int rows = backup.lstBackUpList.ItemCount();
  std::printf("Backup manager, %d backup files, %d rows listed, %d repetitions (medians)\n\n", kFiles, rows, reps);

  Report("fill (intializeList)", Samples(reps, [&] { backup.intializeList(); }), kFillTargetMs);
  // Context for the fill: its two costs apart.
  Report("  of which: read 999 stamps", Samples(reps, [&] { ListBackupFiles(BackupsFolder()); }), kFillTargetMs);
  Report("  floor: 999 messages to the list",
         Samples(reps, [&] { for (int i = 0; i < kFiles; ++i) backup.lstBackUpList.Send(LVM_GETITEMCOUNT); }),
         kFillTargetMs);
  // Each click reverses the order of the one before, so every timed sort moves rows.
  Report("sort by \"File Name\" (list's own)", Samples(reps, [&] { backup.lstBackUpList_ColumnClick(0); }),
         kSortTargetMs);
  Report("sort by \"Creating Date\"", Samples(reps, [&] { backup.lstBackUpList_ColumnClick(1); }), kSortTargetMs);
  Report("sort by \"Creating Time\"", Samples(reps, [&] { backup.lstBackUpList_ColumnClick(2); }), kSortTargetMs);
  // The figures count only if the sorts did their work: after an odd number of
  // clicks the time column runs ascending from top to bottom.
  backup.lstBackUpList_ColumnClick(2);
  const bool ordered = backup.lstBackUpList.ItemText(0, 2) != backup.lstBackUpList.ItemText(rows - 1, 2) &&
                       backup.CurrentSortOrder() == SortOrder::Ascending;
  std::printf("time column after a click: first row %s, last row %s (%s)\n",
              backup.lstBackUpList.ItemText(0, 2).c_str(), backup.lstBackUpList.ItemText(rows - 1, 2).c_str(),
              ordered ? "ascending" : "CHECK");
  // The refill once the list keeps itself sorted by name: one sort after the rows.
  backup.lstBackUpList_ColumnClick(0);
  Report("fill while sorted by name", Samples(reps, [&] { backup.intializeList(); }), kFillTargetMs);

  main.Unload();
  RemoveBackups(BackupsFolder());
  OverrideProgramFolder("");
  return rows == kFiles ? 0 : 1;
}
