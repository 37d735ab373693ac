// The advanced wizard's inputs: connection type, check boxes, the NDI list, the
// SYN level, the multiplier and the seven guarded boxes.
#include "common/NumberText.h"
#include "common/ProgramName.h"
#include "optimizer/TcpSettings.h"
#include "optimizer/advanced/frmAdvancedMode.h"
#include "system/Effects.h"

namespace quorvane {

void frmAdvancedMode::optConnType_Click(int index) {
  // The recommendations take effect when the MTU page is entered next.
  ConnectionType = static_cast<int16_t>(index);
}

void frmAdvancedMode::chkBlackHoleValue_Click() { CurrentSettings.BlackHoleDetect = chkBlackHoleValue.Value() != 0; }

void frmAdvancedMode::chkMTUDisconver_Click() {
  // The box reads "Disable it??": checked turns discovery off.
  CurrentSettings.PMTUDiscovery = chkMTUDisconver.Value() == kUnchecked;
}

void frmAdvancedMode::chkICMPValue_Click() { CurrentSettings.ICMPRedirect = chkICMPValue.Value() != 0; }

void frmAdvancedMode::cmbNDI_Click() {
  if (auto size = TextToInt32(cmbNDI.Text())) CurrentSettings.NDICacheSize = *size;
}

void frmAdvancedMode::txtSYNValue_Change() {
  // Text that is not a 16-bit whole number (empty while typing, letters, 40000)
  // keeps the last level that was one.
  if (auto level = TextToInt16(txtSYNValue.Text())) CurrentSettings.SYNProtect = *level;
}

void frmAdvancedMode::txtMultiplier_Change() {
  const std::string fallback = std::to_string(DefaultMultiplier());
  if (!IsNumericText(txtMultiplier.Text())) txtMultiplier.PutBack(fallback);
  ComputeReceiveWindow();
  // Setting the default runs this rule once more when the text changes.
  if (MultiplierRejected(CurrentSettings.MSS, txtRWIN.Text())) txtMultiplier.PutBack(fallback);
}

std::vector<frmAdvancedMode::GuardedBox> frmAdvancedMode::GuardedBoxes() {
  return {
      {txtMTUValue, 1, kMTUBounds, &TcpSettings::MTU},
      {txtMSSValue, 1, kMSSBounds, &TcpSettings::MSS},
      {txtTTLValue, 4, kTTLBounds, &TcpSettings::TTL},
      {txtHTTP10Value, 4, kHttp10Bounds, &TcpSettings::MaxConn10},
      {txtHTTP11Value, 4, kHttp11Bounds, &TcpSettings::MaxConn11},
      {txtKeepAliveTimeValue, 5, kKeepAliveTimeBounds, &TcpSettings::KeepAliveTime},
      {txtKeepAliveIntervalValue, 5, kKeepAliveIntervalBounds, &TcpSettings::KeepAliveInterval},
  };
}

void frmAdvancedMode::GuardBox(TextBox& box) {
  for (const GuardedBox& guarded : GuardedBoxes()) {
    if (&guarded.box != &box) continue;
    // Replacing the text runs the guard again on the field's value, which then stays
    // even when the field itself lies outside the bounds (-1 for Windows' default).
    if (!GuardAccepts(box.Text(), guarded.bounds)) box.PutBack(std::to_string(CurrentSettings.*guarded.field));
  }
}

bool frmAdvancedMode::PageValuesAccepted(int page) {
  for (const GuardedBox& guarded : GuardedBoxes()) {
    if (guarded.page != page || BoundedValue(guarded.box.Text(), guarded.bounds)) continue;
    CurrentEffects().ShowMessageBox(hWnd(), DescribeBounds(guarded.bounds), kProgramName, MB_OK | MB_ICONEXCLAMATION);
    guarded.box.SetFocus();
    guarded.box.SelectAll();
    return false;
  }
  return true;
}

void frmAdvancedMode::CopyGuardedBoxes() {
  for (const GuardedBox& guarded : GuardedBoxes()) {
    if (auto value = BoundedValue(guarded.box.Text(), guarded.bounds)) CurrentSettings.*guarded.field = *value;
  }
}

}  // namespace quorvane
