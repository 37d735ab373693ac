// Benchmark of the backup manager under Wine: 999 backup files in the Backups
// folder, the window shown in the main window; the refill (intializeList), the
// whole open up to the rows painted, and one sort by each column, each repeated
// and reported as a median against its target, beside a reference measured in
// the same run: a plain list view given the same 999 rows as texts, the way the
// list used to be filled. Figures only: the targets are judged from the
// printout, not enforced. scripts/bench-backupmanager.sh sets the figures of
// two builds side by side by their labels.
//
//   bench_backupmanager --folder PATH [--reps N]
//     --folder  scratch program folder (its Backups folder is filled and emptied)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../probes/bench_timing.h"
#include "optimizer/BackupFiles.h"
#include "optimizer/BackupFormat.h"
#include "optimizer/backup/frmBackUp.h"
#include "registry/AppSettings.h"
#include "shell/frmMain.h"
#include "system/ProgramFolder.h"

using namespace quorvane;
using quorvane::probes::Median;
using quorvane::probes::NowMs;

namespace {

constexpr int kFiles = 999;
constexpr double kFillTargetMs = 100;
constexpr double kSortTargetMs = 30;

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

void Report(const char* what, const std::vector<double>& samples, double targetMs, const char* reference = nullptr,
            const std::vector<double>& referenceSamples = {}) {
  const double median = Median(samples);
  const double worst = *std::max_element(samples.begin(), samples.end());
  std::printf("%-38s median %8.2f ms  worst %8.2f ms  target %4.0f ms  %s\n", what, median, worst, targetMs,
              median <= targetMs ? "within" : "OVER");
  if (reference) {
    const double referenceMedian = Median(referenceSamples);
    std::printf("  reference: %-26s median %8.2f ms  ratio %5.2f\n", reference, referenceMedian,
                median / referenceMedian);
  }
}

// A plain list view (rows held by the control) in a window of its own: the
// reference for the fill and the sorts.
class PlainList {
 public:
  PlainList() {
    InitCommonControls();
    window_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_POPUP | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL,
                              0, 0, 340, 180, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    for (int column = 0; column < 3; ++column) {
      LVCOLUMNA header{};
      header.mask = LVCF_TEXT | LVCF_WIDTH;
      header.cx = 100;
      header.pszText = const_cast<char*>("Column");
      SendMessageA(window_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&header));
    }
  }
  ~PlainList() { DestroyWindow(window_); }

  // The 999 rows as texts: one insert and two sub-item texts each.
  void Fill(const std::vector<std::vector<std::string>>& rows) {
    SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(window_, LVM_DELETEALLITEMS, 0, 0);
    for (size_t row = 0; row < rows.size(); ++row) {
      LVITEMA item{};
      item.mask = LVIF_TEXT | LVIF_PARAM;
      item.iItem = static_cast<int>(row);
      item.pszText = const_cast<char*>(rows[row][0].c_str());
      item.lParam = static_cast<LPARAM>(row);
      SendMessageA(window_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      for (int column = 1; column < 3; ++column) {
        item.iSubItem = column;
        item.pszText = const_cast<char*>(rows[row][static_cast<size_t>(column)].c_str());
        SendMessageA(window_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
      }
    }
    SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  // LVM_SORTITEMS with the cheapest compare function, each time reversing the order.
  void Sort() {
    descending_ = !descending_;
    SendMessageA(window_, LVM_SORTITEMS, descending_, reinterpret_cast<LPARAM>(&CompareData));
  }

 private:
  static int CALLBACK CompareData(LPARAM first, LPARAM second, LPARAM descending) {
    return descending ? (first < second) - (first > second) : (first > second) - (first < second);
  }
  HWND window_;
  bool descending_ = false;
};

// Gives every backup file a new last-write time, as if each had been replaced.
void TouchBackups(const std::string& folder, int round) {
  SYSTEMTIME now;
  GetSystemTime(&now);
  FILETIME when;
  SystemTimeToFileTime(&now, &when);
  when.dwLowDateTime += static_cast<DWORD>(round) * 10000000u;  // a second per round
  for (int number = 1; number <= kFiles; ++number) {
    HANDLE file = CreateFileA((folder + "\\" + BackupFileName(number)).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &when);
    CloseHandle(file);
  }
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

  // The reference: the rows the window shows, as texts, given to a plain list.
  std::vector<std::vector<std::string>> texts;
  for (int row = 0; row < rows; ++row)
    texts.push_back({backup.lstBackUpList.ItemText(row, 0), backup.lstBackUpList.ItemText(row, 1),
                     backup.lstBackUpList.ItemText(row, 2)});
  PlainList plain;
  const auto plainFill = Samples(reps, [&] { plain.Fill(texts); });
  const auto plainSort = Samples(reps, [&] { plain.Sort(); });

  HWND list = backup.lstBackUpList.hWnd();
  Report("fill (intializeList)", Samples(reps, [&] { backup.intializeList(); }), kFillTargetMs,
         "plain list, 999 rows as texts", plainFill);
  Report("shown: command to rows painted", Samples(reps, [&] {
           main.Flash_FSCommand("IDC_FS_backupmanager", "");
           RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
         }),
         kFillTargetMs);
  // As the first open of a run: every file new to the stamp cache.
  int round = 0;
  auto changed = [&](auto&& function) {
    std::vector<double> samples;
    for (int i = 0; i < reps; ++i) {
      TouchBackups(BackupsFolder(), ++round);
      const double start = NowMs();
      function();
      samples.push_back(NowMs() - start);
    }
    return samples;
  };
  Report("fill, every file changed", changed([&] { backup.intializeList(); }), kFillTargetMs);
  Report("shown, every file changed", changed([&] {
           main.Flash_FSCommand("IDC_FS_backupmanager", "");
           RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
         }),
         kFillTargetMs);
  Report("  then: the other stamps read by the timer", changed([&] {
           main.Flash_FSCommand("IDC_FS_backupmanager", "");
           while (backup.tmrReadStamps.Running()) {
             MSG message;
             if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
               TranslateMessage(&message);
               DispatchMessageA(&message);
             } else {
               MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
             }
           }
         }),
         1000);
  Report("  or: open, then sort by date at once", changed([&] {
           main.Flash_FSCommand("IDC_FS_backupmanager", "");
           backup.lstBackUpList_ColumnClick(1);
         }),
         kFillTargetMs);
  // Context for the fill: its costs apart.
  Report("  of which: list the folder", Samples(reps, [&] { ListBackupFileEntries(BackupsFolder()); }),
         kFillTargetMs);
  Report("  of which: read 999 stamps", Samples(reps, [&] { ListBackupFiles(BackupsFolder()); }), kFillTargetMs);
  // Each click reverses the order of the one before, so every timed sort moves rows.
  Report("sort by \"File Name\" (list's own)", Samples(reps, [&] { backup.lstBackUpList_ColumnClick(0); }),
         kSortTargetMs, "LVM_SORTITEMS on the plain list", plainSort);
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
