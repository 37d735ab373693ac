// Benchmark of the optimizer engine under Wine, NT layout: the apply with its
// backup at 1, 16 and 256 interfaces against the floor of as many bare
// RegCreateKeyEx/RegSetValueEx/RegCloseKey triples as the apply makes SetKeyValue
// calls; NextBackupPath with 998 backups present; the restore of a 256-interface
// file. Prints medians and ratios; the targets are judged from them, not enforced.
//
//   bench_optimizer [--reps N] [--folder PATH]
//     --folder  scratch folder for backups (created, emptied and removed again)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Measurements.h"
#include "PrefixState.h"
#include "ScratchFolder.h"
#include "ScratchInterfaces.h"
#include "Stopwatch.h"
#include "optimizer/TcpSettings.h"
#include "system/mdlOSVersion.h"

namespace quorvane::bench {

namespace {

constexpr int kInterfaceCounts[] = {1, 16, 256};
constexpr int kCaseCount = sizeof kInterfaceCounts / sizeof kInterfaceCounts[0];
constexpr int kBackupsPresent = 998;
// Repetitions run before the timed ones and thrown away: first calls of the
// process and of the server, and keys made for the first time.
constexpr int kWarmUpReps = 1;

struct Options {
  int reps = 15;
  std::string folder;
};

std::vector<double> Ratios(const std::vector<double>& numerators, const std::vector<double>& denominators) {
  std::vector<double> ratios;
  for (size_t i = 0; i < numerators.size() && i < denominators.size(); ++i)
    ratios.push_back(numerators[i] / denominators[i]);
  return ratios;
}

void DropWarmUp(std::vector<double>& samples) {
  samples.erase(samples.begin(), samples.begin() + std::min<size_t>(kWarmUpReps, samples.size()));
}

void DropWarmUp(ApplySamples& s) {
  for (auto* v : {&s.apply, &s.floor, &s.backup, &s.setKeyValues})
    DropWarmUp(*v);
}

void PrintApply(const std::vector<ApplySamples>& cases) {
  const ApplySamples& one = cases.front();
  const double oneApply = Median(one.apply), oneFloor = Median(one.floor);
  std::printf("\nApply with its backup against its floor (one RegCreateKeyEx/RegSetValueEx/RegCloseKey\n"
              "per SetKeyValue call of the apply), microseconds:\n");
  std::printf("%10s %7s %9s %9s %8s %8s %9s %9s %8s %9s\n", "interfaces", "writes", "apply", "floor", "x floor",
              "med/med", "us/write", "floor/wr", "x 1-if", "fl x 1-if");
  for (const ApplySamples& c : cases) {
    const double apply = Median(c.apply), floor = Median(c.floor);
    std::printf("%10d %7u %9.0f %9.0f %8.2f %8.2f %9.1f %9.1f %8.2f %9.2f\n", c.interfaces,
                static_cast<unsigned>(c.writes), apply, floor, Median(Ratios(c.apply, c.floor)),
                apply / floor, apply / c.writes, floor / c.writes, apply / oneApply, floor / oneFloor);
  }
  std::printf("  x floor: median of each repetition's own ratio (apply and floor run back to back);\n"
              "  med/med: ratio of the medians; x 1-if: against the first row.\n");

  // Other work on the machine slows every server round trip alike; the fastest
  // floor shows what the registry costs when nothing else runs.
  for (const ApplySamples& c : cases) {
    const double fastest = *std::min_element(c.floor.begin(), c.floor.end());
    if (Median(c.floor) > 1.5 * fastest)
      std::printf("  BUSY MACHINE at %d interfaces: floor median %.1f us per write, fastest %.1f;"
                  " absolute figures are inflated, the paired x floor less so.\n",
                  c.interfaces, Median(c.floor) / c.writes, fastest / c.writes);
  }

  std::printf("\nCost per interface beyond the first row's %d, microseconds:\n", one.interfaces);
  std::printf("%10s %9s %9s %8s\n", "interfaces", "apply", "floor", "x floor");
  for (size_t i = 1; i < cases.size(); ++i) {
    const double added = cases[i].interfaces - one.interfaces;
    const double apply = (Median(cases[i].apply) - oneApply) / added;
    const double floor = (Median(cases[i].floor) - oneFloor) / added;
    std::printf("%10d %9.1f %9.1f %8.2f\n", cases[i].interfaces, apply, floor, apply / floor);
  }

  std::printf("\nWhere the apply's time goes, microseconds (parts timed apart):\n");
  std::printf("%10s %9s %9s %9s %9s\n", "interfaces", "apply", "backup", "SetKeyV", "rest");
  for (const ApplySamples& c : cases) {
    const double apply = Median(c.apply), backup = Median(c.backup), writes = Median(c.setKeyValues);
    std::printf("%10d %9.0f %9.0f %9.0f %9.0f\n", c.interfaces, apply, backup, writes, apply - backup - writes);
  }
  std::printf("  backup: WriteBackupFile (reads, numbering, the file); SetKeyV: the apply's writes;\n"
              "  rest: listing the interfaces and planning.\n");
}

// The prefix as the run found it; put back at the end, and also when a failure
// ends the run early (Fail exits), so no run leaves its interfaces behind.
PrefixState original;
bool captured = false;

bool PutBackPrefix() {
  if (!captured) return true;
  captured = false;
  RemoveBenchInterfaces();
  std::string error;
  if (original.PutBack(&error)) return true;
  std::fprintf(stderr, "bench_optimizer: %s\n", error.c_str());
  return false;
}

void PutBackPrefixAtExit() { PutBackPrefix(); }

}  // namespace

int Run(const Options& options) {
  SetOperatingSystem(kNtOsVersionId);
  InitModePresets();
  CurrentSettings = ModePresets[0];

  const std::string applyFolder = options.folder + "\\apply";
  const std::string originalFolder = options.folder + "\\original";
  const std::string fullFolder = options.folder + "\\full";
  if (!MakeFolder(options.folder) || !MakeFolder(applyFolder) || !MakeFolder(originalFolder))
    Fail("cannot create folders in " + options.folder);
  PrepareNextPathFolder(fullFolder, kBackupsPresent);

  RemoveBenchInterfaces();  // left by an interrupted run
  std::string error;
  if (!original.Capture(originalFolder, &error)) Fail(error);
  captured = true;
  std::atexit(PutBackPrefixAtExit);

  std::printf("Optimizer engine under Wine, NT layout (OSVersionId %d), preset %s;\n"
              "medians of %d repetitions, each running every case once.\n",
              kNtOsVersionId, kModeCaptions[0], options.reps);
  std::fflush(stdout);

  std::vector<ApplySamples> applies(kCaseCount);
  RestoreSamples restore;
  NextPathSamples next;
  for (int rep = 0; rep < kWarmUpReps + options.reps; ++rep) {
    for (int i = 0; i < kCaseCount; ++i) RunApplyCase(kInterfaceCounts[i], applyFolder, rep & 1, &applies[i]);
    RunRestoreCase(applyFolder, &restore);  // the largest interface count is set now
    RunNextPathCase(fullFolder, kBackupsPresent, &next);
  }
  for (ApplySamples& samples : applies) DropWarmUp(samples);
  for (auto* v : {&restore.restore, &restore.floor, &next.nextPath, &next.listing}) DropWarmUp(*v);

  const bool putBack = PutBackPrefix();
  for (const std::string& folder : {applyFolder, originalFolder, fullFolder}) RemoveFolder(folder);
  RemoveDirectoryA(options.folder.c_str());

  PrintApply(applies);
  std::printf("\nRestoreBackupFile of a file with %d interfaces (%u writes), microseconds:\n"
              "  restore %.0f, floor %.0f, x floor %.2f, %.1f us per write\n",
              restore.interfaces, static_cast<unsigned>(restore.writes), Median(restore.restore),
              Median(restore.floor), Median(Ratios(restore.restore, restore.floor)),
              Median(restore.restore) / restore.writes);
  std::printf("\nNextBackupPath with %d backup files present, microseconds:\n"
              "  NextBackupPath %.0f (%.2f per file); bare FindFirstFile/FindNextFile listing %.0f; x listing %.2f\n",
              kBackupsPresent, Median(next.nextPath), Median(next.nextPath) / kBackupsPresent,
              Median(next.listing), Median(Ratios(next.nextPath, next.listing)));

  double worst = 0;
  for (const ApplySamples& c : applies) worst = std::max(worst, Median(Ratios(c.apply, c.floor)));
  std::printf("\nTarget, apply within 2x its floor: %s (largest ratio %.2f)\n", worst <= 2.0 ? "met" : "MISSED",
              worst);
  return putBack ? 0 : 1;
}

}  // namespace quorvane::bench

int main(int argc, char** argv) {
  quorvane::bench::Options options;
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (argument == "--reps" && i + 1 < argc) {
      options.reps = std::max(1, std::atoi(argv[++i]));
    } else if (argument == "--folder" && i + 1 < argc) {
      options.folder = argv[++i];
    } else {
      std::fprintf(stderr, "usage: bench_optimizer [--reps N] [--folder PATH]\n");
      return 2;
    }
  }
  if (options.folder.empty()) {
    char temp[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, temp);
    options.folder = std::string(temp, length) + "quorvane-bench-optimizer";
  }
  while (options.folder.size() > 3 && options.folder.back() == '\\') options.folder.pop_back();
  return quorvane::bench::Run(options);
}
