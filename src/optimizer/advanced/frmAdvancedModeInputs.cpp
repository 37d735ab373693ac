// The advanced wizard's inputs: connection type, check boxes, the NDI list, the
// SYN level, the multiplier and the seven guarded boxes.
#include "common/NumberText.h"
#include "optimizer/TcpSettings.h"
#include "optimizer/advanced/frmAdvancedMode.h"

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
  if (!IsNumericText(txtMultiplier.Text())) PutBack(txtMultiplier, fallback);
  ComputeReceiveWindow();
  // Setting the default runs this rule once more when the text changes.
  if (MultiplierRejected(CurrentSettings.MSS, txtRWIN.Text())) PutBack(txtMultiplier, fallback);
}

void frmAdvancedMode::PutBack(TextBox& box, const std::string& text) {
  box.SetText(text);
  // Selected, so the next key typed replaces it instead of going in front of it.
  box.SelectAll();
}

void frmAdvancedMode::GuardBox(TextBox& box, int32_t field, Bounds bounds) {
  // Replacing the text runs the guard again on the field's value, which then stays
  // even when the field itself lies outside the bounds (-1 for Windows' default).
  if (!GuardAccepts(box.Text(), bounds)) PutBack(box, std::to_string(field));
}

void frmAdvancedMode::txtMTUValue_Change() { GuardBox(txtMTUValue, CurrentSettings.MTU, kSizeBounds); }
void frmAdvancedMode::txtMSSValue_Change() { GuardBox(txtMSSValue, CurrentSettings.MSS, kSizeBounds); }
void frmAdvancedMode::txtTTLValue_Change() { GuardBox(txtTTLValue, CurrentSettings.TTL, kTTLBounds); }
void frmAdvancedMode::txtHTTP10Value_Change() {
  GuardBox(txtHTTP10Value, CurrentSettings.MaxConn10, kHttp10Bounds);
}
void frmAdvancedMode::txtHTTP11Value_Change() {
  GuardBox(txtHTTP11Value, CurrentSettings.MaxConn11, kHttp11Bounds);
}
void frmAdvancedMode::txtKeepAliveTimeValue_Change() {
  GuardBox(txtKeepAliveTimeValue, CurrentSettings.KeepAliveTime, kSizeBounds);
}
void frmAdvancedMode::txtKeepAliveIntervalValue_Change() {
  GuardBox(txtKeepAliveIntervalValue, CurrentSettings.KeepAliveInterval, kSizeBounds);
}

}  // namespace quorvane
