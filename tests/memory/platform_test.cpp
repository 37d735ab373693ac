// The 9x side of the platform test runs for real: a copy of this program is
// started with Wine told to present Windows 98 to it.
#include <doctest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "memory/CpuUsageSampler.h"
#include "memory/clsCPUUsage.h"
#include "memory/clsCPUUsageNT.h"
#include "memory/modFreeRam.h"
#include "support/RegistryFixture.h"

using namespace quorvane;

namespace {

constexpr char kReportVariable[] = "QUORVANE_PLATFORM_REPORT";
constexpr char kProbeName[] = "quorvane_platform_probe.exe";

std::string PlatformReport() {
  std::unique_ptr<CpuUsageSampler> sampler = CreateCpuUsageSampler();
  std::string report = IsNTPlatform() ? "nt" : "9x";
  if (dynamic_cast<clsCPUUsageNT*>(sampler.get())) report += " ntsampler";
  if (dynamic_cast<clsCPUUsage*>(sampler.get())) report += " 9xsampler";
  return report;
}

std::string ReadWholeFile(const std::string& path) {
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[256];
    size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, read);
    std::fclose(file);
  }
  return text;
}

// Runs the copy of this program under the given Windows version; what the copy
// reported, empty when it did not run.
std::string RunProbeAs(const std::string& version) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string probe = std::string(temp) + kProbeName;
  std::string report = std::string(temp) + "quorvane_platform_report.txt";
  DeleteFileA(report.c_str());
  if (!CopyFileA(self, probe.c_str(), FALSE)) return "";

  std::string settings = std::string("Software\\Wine\\AppDefaults\\") + kProbeName;
  testing::WriteText(HKEY_CURRENT_USER, settings, "Version", version);
  SetEnvironmentVariableA(kReportVariable, report.c_str());

  std::string commandLine = "\"" + probe + "\" --no-skip --test-case=\"*platform probe*\" --no-intro";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  SetEnvironmentVariableA(kReportVariable, nullptr);
  testing::DeleteKeyTree(HKEY_CURRENT_USER, settings);
  DeleteFileA(probe.c_str());
  std::string text = ReadWholeFile(report);
  DeleteFileA(report.c_str());
  return text;
}

}  // namespace

// Runs only inside the probe copy (doctest skips it otherwise).
TEST_CASE("platform probe: writes what this process sees" * doctest::skip()) {
  const char* path = std::getenv(kReportVariable);
  REQUIRE(path != nullptr);
  FILE* file = std::fopen(path, "wb");
  REQUIRE(file != nullptr);
  std::string report = PlatformReport();
  std::fwrite(report.data(), 1, report.size(), file);
  std::fclose(file);
}

TEST_CASE("the platform test and the sampler choice follow the running Windows") {
  CHECK(RunProbeAs("win98") == "9x 9xsampler");
  CHECK(RunProbeAs("winme") == "9x 9xsampler");
  CHECK(RunProbeAs("nt40") == "nt ntsampler");
  CHECK(RunProbeAs("winxp") == "nt ntsampler");
}
