#include "optimizer/frmWizardMode.h"

#include "common/ProgramName.h"
#include "optimizer/ApplySettings.h"
#include "optimizer/ModeDescription.h"
#include "optimizer/TcpSettings.h"
#include "system/Effects.h"
#include "system/mdlOSVersion.h"

namespace quorvane {

frmWizardMode::frmWizardMode()
    : ToolForm("frmWizardMode", "Wizard Mode", {5400, 3660}) {
  // Two columns of four rows: A, C, E, G on the left, B, D, F and the default on the right.
  for (int i = 0; i < kModePresetCount; ++i) {
    const int left = i % 2 == 0 ? 120 : 3000;
    const int top = 240 + (i / 2) * 240;
    optMode.Add(i, frameOptimizationMode, TwipsRect{left, top, 2000, 240}, kModeCaptions[i], i == 0);
  }
  optMode.Handle(&OptionButton::Click, [this](int index) { optMode_Click(index); });
  // Two columns of six rows, each name and value a label of its own; the right
  // names' column is wide enough for "Keep Alive Interval", each value column for
  // "Windows default".
  constexpr int kTop = 1290, kRowHeight = 207, kValueWidth = 1215;
  constexpr int kNameLeft[kModeGridColumns] = {120, 2280}, kNameWidth[kModeGridColumns] = {870, 1530};
  for (int i = 0; i < kModeGridCells; ++i) {
    const int column = i % kModeGridColumns, top = kTop + (i / kModeGridColumns) * kRowHeight;
    lblGridName.Add(i, frameOptimizationMode, TwipsRect{kNameLeft[column], top, kNameWidth[column], kRowHeight});
    lblGridValue.Add(i, frameOptimizationMode,
                     TwipsRect{kNameLeft[column] + kNameWidth[column], top, kValueWidth, kRowHeight});
  }
  cmdOptimize.Click = [this] { cmdOptimize_Click(); };
}

void frmWizardMode::Form_Load() {
  Host().SkinToolWindow(*this);
  // A size smaller than the skin's, so the grid and its note fit the frame.
  const FontChoice small{.face = "Tahoma", .points = 7};
  lblGridName.ForEach([&small](SkinLabel& label) { label.SetFont(small); });
  lblGridValue.ForEach([&small](SkinLabel& label) { label.SetFont(small); });
  lblGridNote.SetFont(small);
  // The mode chosen, not the working set: the advanced wizard may have changed that meanwhile.
  BuildModeDescription(ModePresets[SelectedMode()]);
}

void frmWizardMode::optMode_Click(int index) {
  CurrentSettings = ModePresets[index];
  BuildModeDescription();
}

int frmWizardMode::SelectedMode() const {
  for (int i = 0; i < kModePresetCount; ++i)
    if (const OptionButton* option = optMode.Find(i); option && option->Value()) return i;
  return 0;
}

void frmWizardMode::cmdOptimize_Click() {
  // The mode shown is the mode applied, whatever the advanced wizard left in the set.
  const int mode = SelectedMode();
  CurrentSettings = ModePresets[mode];
  BuildModeDescription();
  ApplyResult result = ApplySettings();
  if (result.status == ApplyStatus::BackupFailed) {
    // Nothing was written: say why and stay here.
    CurrentEffects().ShowMessageBox(hWnd(), "The settings were not changed.\r\n\r\n" + result.error, kProgramName,
                                    MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (result.status == ApplyStatus::NotAllWritten)
    CurrentEffects().ShowMessageBox(hWnd(), WriteFailureMessage(result.failures), kProgramName, MB_OK | MB_ICONERROR);
  Host().ShowHomeNote(AppliedHomeNote(kModeCaptions[mode], result));
  Host().returnHome();
}

void frmWizardMode::BuildModeDescription(const TcpSettings& shown) {
  const WindowsGeneration generation = GenerationOf(RunningRelease);
  const std::vector<ModeGridCell> cells = ModeGridCells(shown);
  for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
    // The skin draws a disabled label in its quiet colour: greyed, still readable.
    const bool used = !FieldNotUsed(cells[i].field, generation);
    lblGridName(i).SetCaption(cells[i].name);
    lblGridValue(i).SetCaption(cells[i].value);
    lblGridName(i).SetEnabled(used);
    lblGridValue(i).SetEnabled(used);
  }
  lblGridNote.SetCaption(ModeGridNote(generation, ReleaseName(RunningRelease)));
}

}  // namespace quorvane
