#include "memory/clsCPUUsage.h"

namespace quorvane {

namespace {

// Reads the 4-byte counter value; false when it could not be read.
bool ReadCounter(HKEY key, DWORD* value) {
  DWORD size = sizeof *value;
  DWORD type = 0;  // not checked: the kernel publishes the figure as binary data
  DWORD read = 0;
  if (RegQueryValueExA(key, kCpuUsageValue, nullptr, &type, reinterpret_cast<BYTE*>(&read), &size) !=
      ERROR_SUCCESS)
    return false;
  *value = read;
  return true;
}

// The kernel starts or stops the counter when its value is read from the
// start or stop key; the value read there means nothing.
void TouchCounterKey(const char* path) {
  RegKey key;
  if (key.Open(HKEY_DYN_DATA, path, KEY_ALL_ACCESS) != ERROR_SUCCESS) return;
  DWORD ignored = 0;
  ReadCounter(key.get(), &ignored);
}

}  // namespace

void clsCPUUsage::Initialize() {
  RegKey start;
  if (start.Open(HKEY_DYN_DATA, kPerfStartKey, KEY_ALL_ACCESS) != ERROR_SUCCESS) return;
  DWORD ignored = 0;
  ReadCounter(start.get(), &ignored);
  start.Close();
  dataKey_.Open(HKEY_DYN_DATA, kPerfDataKey, KEY_READ);
}

int32_t clsCPUUsage::Query() {
  if (dataKey_) ReadCounter(dataKey_.get(), &value_);
  return static_cast<int32_t>(value_);
}

void clsCPUUsage::Terminate() {
  dataKey_.Close();
  TouchCounterKey(kPerfStopKey);
}

}  // namespace quorvane
